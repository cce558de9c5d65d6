# shellcheck shell=bash
# What every end-to-end scenario shares: it takes over the session that
# session.sh started (a virtual display, the stand-in chat client with its
# room, a null sink and the music folder), starts a player of its own, and
# checks from outside. Sourced by each scenario:
#   source e2e_checks.sh BUILD_DIR SCENARIO_NAME
# Each check is a TAP test point, which prove (Perl's test harness) counts
# and judges; the plan comes last, from scenario_done, so a scenario that
# stopped half-way cannot pass for one that ran through. A session skipped
# for want of a tool skips the scenario with the same reason.

build="$(cd "$1" && pwd)"
scenario="$2"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
pointer="$build/e2e-session"

# shellcheck source=driver/player_session.sh
source "$root/tests/e2e/driver/player_session.sh"

read -r session_dir <"$pointer" 2>/dev/null || session_dir=""
case "$session_dir" in
  SKIPPED*) echo "1..0 # SKIP ${session_dir#SKIPPED: }"; exit 0 ;;
  "") echo "Bail out! no end-to-end session was started ($pointer)"; exit 1 ;;
esac
session_resume "$session_dir" || { echo "Bail out! the session in $session_dir is not there"; exit 1; }
# Its own program folder, so that no other scenario's settings file is read.
SESSION_PROGRAM="$SESSION_DIR/program-$scenario"
rm -rf "$SESSION_PROGRAM"

checks=0
failed=0
pass() { echo "ok $((checks += 1)) - $*"; }
fail() {
  failed=1
  echo "not ok $((checks += 1)) - $*"
}
check() {  # check WHAT COMMAND...
  local what="$1"
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# Each scenario ends with this; without it (a fault in the script itself)
# the harness finds no plan and fails the scenario.
completed=0
scenario_done() { completed=1; }

finish() {
  session_player_stop
  if [ "$completed" = 1 ]; then
    echo "1..$checks"
  else
    fail "the scenario stopped before its end"
  fi
  if [ "$failed" = 1 ]; then
    echo "$scenario" >>"$SESSION_DIR/failed"
    echo "# screenshots, room log and MCI traces kept in $SESSION_DIR"
  fi
  exit 0
}
trap finish EXIT

signal_min=0.05   # a tone at half scale measures about 0.35
silence_max=0.01  # a quiet null sink records exact zeros

# Waits for the sound to be there, or to be gone, and reports what it heard.
expect_sound() {
  local heard status=0
  heard="$(session_wait_sound above "$signal_min" 10)" || status=1
  echo "  heard: rms $heard"
  check "$1" test "$status" = 0
}
expect_silence() {
  local heard status=0
  heard="$(session_wait_sound below "$silence_max" 10)" || status=1
  echo "  heard: rms $heard"
  check "$1" test "$status" = 0
}

lines() { session_room_lines; }
opens() { session_mci_commands | grep -c '^open ' || true; }
line_text() { session_announcements | sed -n "${1}p"; }

# Waits for the room's line COUNT and holds it up against TEXT.
expect_line() {
  local count="$1" text="$2"
  if session_wait_lines "$count" 20 && [ "$(line_text "$count")" = "$text" ]; then
    pass "room: $text"
  else
    fail "room line $count is '$(line_text "$count")', expected '$text'"
  fi
}

status_line() { echo "» juKett ZRV by kelvor » [$1]"; }
track_line() { echo "» juKett ZRV $1 » [$2]"; }

# Starts this scenario's player in FOLDER and waits for its greeting; n is
# then the number of the greeting's last line in the room.
start_player() {
  local before
  before="$(lines)"
  session_player_start "$1" || { fail "the player did not start"; exit 1; }
  n=$((before + 2))
  check "the player greeted the room" session_wait_lines "$n" 20
}

# Ends the player with its own "×" and waits for its last line and its end.
switch_off() {
  session_click Label3
  expect_line $((n += 1)) "$(status_line off)"
  check "${1:-the process ended}" session_player_wait_end 20
}

geometry_is() {  # geometry_is X Y W H (any of them "-" to skip)
  local want=("$@") got
  read -r -a got <<<"$(session_geometry)"
  for i in 0 1 2 3; do
    [ "${want[$i]}" = - ] || [ "${got[$i]}" = "${want[$i]}" ] || return 1
  done
}
height_is() { geometry_is - - - "$1"; }

read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"

# The stand-in chat client's frame, and a click into its room's chat input
# (right of the player in the middle of the screen), where a user's hands
# are: the client comes to the front with the focus in its input.
chat_client_frame() {
  xdotool search --onlyvisible --name '^Chat host \(stand-in\)$' 2>/dev/null | head -n 1
}
focus_chat_client() {
  local x y
  read -r x y _ _ <<<"$(session_geometry "$(chat_client_frame)")"
  session_click_at $((x + 760)) $((y + 275))
  session_wait_for 10 chat_client_focused
}
chat_client_focused() {
  [ "$("$SESSION_WINE" "$SESSION_BUILD/bin/desktop_probe.exe" focus 2>/dev/null | tr -d '\r')" = \
    "AOL Frame25 RICHCNTL" ]
}
