#!/usr/bin/env bash
# The media keys from the chat client: with the focus in the stand-in's
# window, real key presses of Next, Play/Pause, Previous and Stop drive the
# player as its buttons do; Play/Pause plays when no track is open.
#   media_keys.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" media_keys

start_player "$SESSION_MUSIC"
focus_chat_client
check "the chat client has the focus" chat_client_focused

key_says() {  # key_says KEYSYM EVENT TRACK
  xdotool key "$1"
  expect_line $((n += 1)) "$(track_line "$2" "$3")"
}
key_says XF86AudioNext playing "${SESSION_TRACKS[0]}"
expect_sound "sound after Next with nothing selected"
key_says XF86AudioPlay paused "${SESSION_TRACKS[0]}"
expect_silence "silence after Play/Pause"
key_says XF86AudioPlay unpaused "${SESSION_TRACKS[0]}"
key_says XF86AudioNext playing "${SESSION_TRACKS[1]}"
key_says XF86AudioPrev playing "${SESSION_TRACKS[0]}"
key_says XF86AudioStop stopped "${SESSION_TRACKS[0]}"
expect_silence "silence after Stop"
key_says XF86AudioPlay playing "${SESSION_TRACKS[0]}"
expect_sound "sound after Play/Pause with no track open"
check "the chat client kept the focus" chat_client_focused
scenario_done
