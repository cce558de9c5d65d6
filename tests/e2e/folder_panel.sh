#!/usr/bin/env bash
# The folder panel: the window grows to show it, a subfolder opens by
# double-click, and hiding the panel says so and, a pause later, how many
# tracks the new folder holds.
#   folder_panel.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" folder_panel

start_player "$SESSION_MUSIC"
session_click Label5
expect_line $((n += 1)) "$(status_line "dir shown")"
check "window 233 px high with the folder panel" session_wait_for 10 height_is 233
session_wait_painted
session_screenshot "$SESSION_DIR/03-dir-shown.png"
session_click_folder "$(session_subfolder_row)"
session_click Label5
expect_line $((n += 1)) "$(status_line "dir hidden")"
expect_line $((n += 1)) "$(status_line "${#SESSION_SUB_TRACKS[@]} mp3's loaded")"
gap=$(($(session_line_ms "$n") - $(session_line_ms $((n - 1)))))
check "count line at least 0.6 s after the hidden line ($gap ms)" test "$gap" -ge 590
check "window 145 px high again" session_wait_for 10 height_is 145
scenario_done
