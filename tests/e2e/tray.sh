#!/usr/bin/env bash
# The tray: "_" hides the window behind one icon in the tray, and a left
# click on the icon brings it back and takes the icon away.
#   tray.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" tray

window_hidden() { ! session_window_visible; }
tray_icons_are() { [ "$(session_tray_icons)" = "$1" ]; }

start_player "$SESSION_MUSIC"
session_click Label2
expect_line $((n += 1)) "$(status_line minimized)"
check "window hidden when minimised" session_wait_for 10 window_hidden
check "one icon in the tray" session_wait_for 10 tray_icons_are 1
session_screenshot "$SESSION_DIR/05-in-tray.png"
session_tray_click left
check "window back after a left click on the icon" session_wait_for 10 session_window_visible
check "icon gone from the tray" session_wait_for 10 tray_icons_are 0
check "restoring said nothing in the room" [ "$(lines)" -eq "$n" ]
scenario_done
