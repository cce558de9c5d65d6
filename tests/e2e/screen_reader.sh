#!/usr/bin/env bash
# A screen reader's view, from a process of its own: the window's controls
# with their names, roles and places on the screen, and "Play", "Pause" and
# "Resume" pressed through it doing what their clicks do, heard and seen in
# the room.
#   screen_reader.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" screen_reader

probe() {
  "$SESSION_WINE" "$SESSION_BUILD/bin/screen_reader_probe.exe" "$@" </dev/null 2>/dev/null |
    tr -d '\r' | tr '\t' '|'
}

# The children in reading order: name, role, and the control of the window's
# table that stands there.
expected=(
  "Minimise|button|Label2"
  "$SESSION_TITLE|text|Label1"
  "Close|button|Label3"
  "|window|File1"
  "Back|button|lbback"
  "Stop|button|lbstop"
  "Play|button|lbplay"
  "Pause|button|lbpause"
  "Forward|button|lbfoward"
  "${#SESSION_TRACKS[@]} mp3's in this dir|text|Label10"
  "Show folders|button|Label5"
  "Mute|button|Label4"
  "|window|Dir1"
)

# Where the window draws CONTROL on the screen, by its table: "left top
# width height". A list box lies inside the frame drawn for it.
screen_place() {
  local left top width height x y l t r b inset=0
  read -r left top width height <<<"${SESSION_CONTROLS[$1]}"
  read -r x y _ _ <<<"$(session_geometry)"
  case "$1" in File1 | Dir1) inset=1 ;; esac
  l=$(($(session_pixels "$left") + inset))
  t=$(($(session_pixels "$top") + inset))
  r=$(($(session_pixels $((left + width))) - inset))
  b=$(($(session_pixels $((top + height))) - inset))
  echo "$((x + l)) $((y + t)) $((r - l)) $((b - t))"
}

check_children() {
  local children i name role control got_name got_role left top width height
  children="$(probe list)"
  check "the reader finds ${#expected[@]} children" test "$(wc -l <<<"$children")" -eq "${#expected[@]}"
  for i in "${!expected[@]}"; do
    IFS='|' read -r name role control <<<"${expected[$i]}"
    IFS='|' read -r got_name got_role left top width height <<<"$(sed -n "$((i + 1))p" <<<"$children")"
    check "child $((i + 1)) is '$name' ($got_name), a $role ($got_role)" \
      test "$got_name|$got_role" = "$name|$role"
    check "'$control' stands where it is drawn ($left $top $width $height)" \
      test "$left $top $width $height" = "$(screen_place "$control")"
  done
}

named() {  # named NAME: the reader finds a child by that name
  probe list | cut -d '|' -f 1 | grep -qx -- "$1"
}

start_player "$SESSION_MUSIC"
# A track already playing when the reader first asks: the sound device came
# first to the window's thread.
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[0]}")"
check_children

# A plain click on a row selects it; "Play" through the reader plays it.
# shellcheck disable=SC2046
session_click_at $(session_list_row_point File1 1)
check "the reader pressed Play" probe press Play
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[1]}")"
expect_sound "sound after Play pressed by the reader"

check "the reader pressed Pause" probe press Pause
expect_line $((n += 1)) "$(track_line paused "${SESSION_TRACKS[1]}")"
check "the pause button is now called Resume" session_wait_for 10 named Resume
check "the reader pressed Resume" probe press Resume
expect_line $((n += 1)) "$(track_line unpaused "${SESSION_TRACKS[1]}")"
scenario_done
