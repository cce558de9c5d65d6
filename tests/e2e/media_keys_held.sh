#!/usr/bin/env bash
# Media keys that another program holds: it registered them first, so the
# player leaves them to it without a word and works on by its buttons.
#   media_keys_held.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" media_keys_held

holder_out="$SESSION_DIR/media-key-holder.out"
"$SESSION_WINE" "$SESSION_BUILD/bin/desktop_probe.exe" hold-media-keys \
  </dev/null >"$holder_out" 2>/dev/null &
holder=$!
trap 'kill "$holder" 2>/dev/null; finish' EXIT
holder_heard() { [ "$(grep -c '^hot key' "$holder_out")" -ge "$1" ]; }
session_wait_for 30 grep -q '^holding 4' "$holder_out" || fail "the holder did not take the keys"

start_player "$SESSION_MUSIC"
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[0]}")"
# The key goes to its holder; the button's line must then be the next one.
xdotool key XF86AudioNext
check "the holder got Next" session_wait_for 10 holder_heard 1
session_click lbpause
expect_line $((n += 1)) "$(track_line paused "${SESSION_TRACKS[0]}")"
xdotool key XF86AudioStop
check "the holder got Stop, with the player in front" session_wait_for 10 holder_heard 2
session_click lbpause
expect_line $((n += 1)) "$(track_line unpaused "${SESSION_TRACKS[0]}")"
expect_sound "the first track plays on"
scenario_done
