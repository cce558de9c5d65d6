#!/usr/bin/env bash
# A screen reader's view, from a process of its own: the window's controls
# with their names, roles and places on the screen, and "Play", "Pause" and
# "Resume" pressed through it doing what their clicks do, seen in the room.
#   screen_reader.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" screen_reader

probe() {
  "$SESSION_WINE" "$SESSION_BUILD/bin/screen_reader_probe.exe" "$@" </dev/null 2>/dev/null |
    tr -d '\r'
}

# The children in reading order: name, role (43 push button, 41 static text,
# 9 window) and the control of the window's table that stands there. A point
# inside a child finds that child: a label by its id, a list as an object.
expected=(
  "Minimise|43|Label2"
  "$SESSION_TITLE|41|Label1"
  "Close|43|Label3"
  "|9|File1"
  "Back|43|lbback"
  "Stop|43|lbstop"
  "Play|43|lbplay"
  "Pause|43|lbpause"
  "Forward|43|lbfoward"
  "${#SESSION_TRACKS[@]} mp3's in this dir|41|Label10"
  "Show folders|43|Label5"
  "Mute|43|Label4"
  "|9|Dir1"
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
  local children i name role control want got at
  children="$(probe list)"
  check "the reader finds ${#expected[@]} children" test "$(wc -l <<<"$children")" -eq "${#expected[@]}"
  for i in "${!expected[@]}"; do
    IFS='|' read -r name role control <<<"${expected[$i]}"
    at=$((i + 1))
    [ "$role" = 9 ] && at=object
    [ "$control" = Dir1 ] && at=none  # below the window's edge while the panel is hidden
    want="$name|$role|$(screen_place "$control" | tr ' ' '|')|$at"
    got="$(sed -n "$((i + 1))p" <<<"$children")"
    check "child $((i + 1)) is '$name', role $role, where $control is drawn ($got)" \
      test "$got" = "$want"
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

check "the reader pressed Pause" probe press Pause
expect_line $((n += 1)) "$(track_line paused "${SESSION_TRACKS[1]}")"
check "the pause button is now called Resume" session_wait_for 10 named Resume
check "the reader pressed Resume" probe press Resume
expect_line $((n += 1)) "$(track_line unpaused "${SESSION_TRACKS[1]}")"
scenario_done
