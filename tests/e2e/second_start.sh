#!/usr/bin/env bash
# One player at a time: a second start while the player sits in the tray
# brings it back and ends at once, saying nothing, playing nothing and
# writing no settings; a killed player does not block the next start.
#   second_start.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" second_start

tray_icons_are() { [ "$(session_tray_icons)" = "$1" ]; }
player_windows() { xdotool search --onlyvisible --name "^${SESSION_TITLE}\$" 2>/dev/null; }

start_player "$SESSION_MUSIC"
session_click Label2
expect_line $((n += 1)) "$(status_line minimized)"
check "window in the tray" session_wait_for 10 tray_icons_are 1

second_trace="$SESSION_PROGRAM/mci-second-start.trace"
(cd "$SESSION_MUSIC" && WINEDEBUG=+mci exec "$SESSION_WINE" "$SESSION_PROGRAM/jukettzrv.exe") \
  </dev/null >/dev/null 2>"$second_trace" &
second=$!
trap 'kill "$second" 2>/dev/null; finish' EXIT
second_ended() { ! kill -0 "$second" 2>/dev/null; }
check "the second start ended within 5 s" session_wait_for 5 second_ended
check "the first window is back" session_wait_for 10 session_window_visible
check "its icon left the tray" session_wait_for 10 tray_icons_are 0
check "the one player window is the first one's" [ "$(player_windows)" = "$SESSION_WINDOW" ]
check "the second start said nothing in the room" [ "$(lines)" -eq "$n" ]
check "the second start sent MCI nothing" [ -z "$("$SESSION_TOOLS/mci-commands.sh" "$second_trace")" ]
check "no settings file written" [ ! -e "$SESSION_PROGRAM/jukettzrv.ini" ]

# Killed outright, the player leaves nothing that keeps the next one out.
kill -KILL "$SESSION_PLAYER_PID"
check "the killed player ended" session_player_wait_end 20
start_player "$SESSION_MUSIC"
scenario_done
