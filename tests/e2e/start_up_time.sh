#!/usr/bin/env bash
# Start-up time, launch to window shown, over two more starts and off; the
# session's end prints the times of every start.
#   start_up_time.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" start_up_time

for run in 1 2; do
  start_player "$SESSION_MUSIC"
  echo "  start $run: window shown after $SESSION_STARTUP_MS ms"
  switch_off "run $run ended"
done
scenario_done
