#!/usr/bin/env bash
# Settings across restarts: off ends the process and leaves the open folder
# in the settings file beside the program; the next start opens it again.
#   settings_across_restarts.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" settings_across_restarts

settings_hold() {
  [ -f "$1" ] && iconv -f windows-1252 -t utf-8 "$1" | tr -d '\r' | grep -qxF "$2"
}

start_player "$SESSION_MUSIC"
session_click Label5
expect_line $((n += 1)) "$(status_line "dir shown")"
session_wait_for 10 height_is 233 || fail "the folder panel did not show"
session_click_folder "$(session_subfolder_row)"
session_click Label5
expect_line $((n += 1)) "$(status_line "dir hidden")"
expect_line $((n += 1)) "$(status_line "${#SESSION_SUB_TRACKS[@]} mp3's loaded")"
switch_off
settings="$SESSION_PROGRAM/jukettzrv.ini"
check "settings file holds the open folder" \
  settings_hold "$settings" "path=$(session_winpath "$SESSION_SUBFOLDER")"
echo "  settings file: $(tr -d '\r' <"$settings" 2>/dev/null | tr '\n' ' ')"

# Started from the program's own folder: only the settings lead it to the music.
start_player "$SESSION_PROGRAM"
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_SUB_TRACKS[0]}")"
switch_off "the second run ended"
scenario_done
