#!/usr/bin/env bash
# Runs the window's DPI test, or the tests a filter names, in a Wine prefix
# whose display is set to another DPI: one prefix per DPI beside the build's,
# set once and kept for the runs that follow.
# Usage: run_at_dpi.sh <wine-run.sh> <dpi> <test program> [gtest filter]
set -euo pipefail
run="$1" dpi="$2" program="$3" filter="${4:-PlayerWindow.FollowsTheDisplayDpi}"
export WINEPREFIX
WINEPREFIX="$(dirname "$run")/wineprefix-dpi$dpi"

if [ ! -f "$WINEPREFIX/.jukett-dpi" ]; then
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  touch "$WINEPREFIX/.jukett-dpi"
fi
JUKETT_EXPECT_DPI="$dpi" "$run" "$program" --gtest_filter="$filter"
