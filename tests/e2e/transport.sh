#!/usr/bin/env bash
# The transport: a track played by double-click, pause and unpause, next and
# previous with both ends of the list (where nothing happens), stop; heard
# in the null sink and seen in the room and in MCI.
#   transport.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" transport

# Wine's own 8.3 names: MCI takes no blanks in a path.
opened_short_name() {
  local last
  last="$(session_mci_commands | grep '^open ' | tail -n 1)"
  [[ "$last" =~ ^open\ Z:[^\ ]*~[^\ ]*\.MP3\ type\ mpegvideo\ alias\ mp3play$ ]]
}

# A click that must change nothing: the action after it must bring MCI's
# very next open and the room's very next line. Anything the first click
# started would be in MCI first; its line too, unless the second click was
# handled while the first looked for the room, and then it follows at once
# and the scenario's later lines are out of step.
expect_nothing_from() {
  local what="$1" control="$2" next="$3" text="$4" opens_before
  opens_before="$(opens)"
  session_click "$control"
  session_click "$next"
  expect_line $((n += 1)) "$text"
  check "$what: no new line in the room" [ "$(lines)" -eq "$n" ]
  check "$what: no new open in MCI" [ "$(opens)" -eq $((opens_before + 1)) ]
}

start_player "$SESSION_MUSIC"
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[0]}")"
expect_sound "sound while playing"
check "MCI opened the track by its short name, without blanks" opened_short_name
session_screenshot "$SESSION_DIR/02-playing.png"

session_click lbpause
expect_line $((n += 1)) "$(track_line paused "${SESSION_TRACKS[0]}")"
expect_silence "silence while paused"
session_click lbpause
expect_line $((n += 1)) "$(track_line unpaused "${SESSION_TRACKS[0]}")"
expect_sound "sound after unpausing"

expect_nothing_from "previous at the first track" lbback lbfoward \
  "$(track_line playing "${SESSION_TRACKS[1]}")"
session_click lbfoward
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[2]}")"
expect_nothing_from "next at the last track" lbfoward lbback \
  "$(track_line playing "${SESSION_TRACKS[1]}")"
expect_sound "sound after going back"

session_click lbstop
expect_line $((n += 1)) "$(track_line stopped "${SESSION_TRACKS[1]}")"
expect_silence "silence after stop"
scenario_done
