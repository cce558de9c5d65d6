#!/usr/bin/env bash
# Runs juKett ZRV under Wine beside the stand-in chat room, with a folder of
# generated music to play.
#
# On a desktop (DISPLAY set) the player stays until you switch it off with
# its own "×"; then the chat room closes and its transcript is printed.
# Without a desktop it runs on a virtual display and goes through a short
# demonstration with real pointer input (play, pause, next, the folder
# panel, the tray, off), leaving screenshots of each step and the room's
# transcript in build/demo-output/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"

tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 >/dev/null

# shellcheck source=../tests/e2e/driver/player_session.sh
source tests/e2e/driver/player_session.sh
build=build/win64
work="$build/demo"
output="$repo/build/demo-output"
rm -rf "$work"

print_transcript() {
  echo "The chat room received:"
  session_announcements | sed 's/^/  /'
}

on_desktop() {
  # Music for the person at the desktop, through their own speakers.
  SESSION_PRIVATE_SOUND=0
  session_start "$build" "$work"
  session_player_start "$SESSION_MUSIC"
  echo "juKett ZRV is running beside the stand-in chat room; switch it off with its \"×\"."
  while [ -n "$SESSION_PLAYER_PID" ] && ! session_player_wait_end 1; do :; done
  print_transcript
  session_stop
}

# One step of the demonstration, once the window (or WINDOW) has painted
# what it shows.
step() {
  local name="$1"
  session_wait_painted 10 "${2:-$SESSION_WINDOW}" || true
  session_screenshot "$output/$name.png"
  echo "  $name"
}

hidden() { ! session_window_visible; }

demonstration() {
  rm -rf "$output"
  mkdir -p "$output"
  session_start "$build" "$work"
  echo "Demonstration on a virtual display ($SESSION_SCREEN):"
  session_player_start "$SESSION_MUSIC"
  session_wait_lines 2 20 || true
  step 01-started
  # Out of the chat room's way, by its title strip.
  session_drag_title 704 410 || true
  session_click_track 0
  session_wait_lines 3 20 || true
  step 02-playing
  session_click lbpause
  session_wait_lines 4 20 || true
  step 03-paused
  # Each click once the line of the one before is out: a click that comes
  # while the player looks for the room is handled inside that search.
  session_click lbpause
  session_wait_lines 5 20 || true
  session_click lbfoward
  session_wait_lines 6 20 || true
  step 04-next-track
  session_click Label5
  session_wait_lines 7 20 || true
  step 05-dir-shown
  session_click Label5
  session_wait_lines 9 20 || true
  step 06-dir-hidden
  session_click Label2
  session_wait_lines 10 20 || true
  session_wait_for 20 hidden || true
  step 07-in-tray "$(session_tray_window)"
  session_tray_click left
  session_wait_for 20 session_window_visible || true
  session_wait_for 20 session_control_painted File1 || true
  step 08-restored
  session_click Label3
  session_player_wait_end 20 || true
  session_screenshot "$output/09-off.png"
  echo "  09-off"
  session_room >"$output/chat-room.txt"
  session_announcements >"$output/chat-room-plain.txt"
  print_transcript
  session_stop
  echo "Screenshots and the room's transcript (UTF-8) are in $output/"
}

if [ -n "${DISPLAY:-}" ]; then
  on_desktop
else
  demonstration
fi
