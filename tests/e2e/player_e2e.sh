#!/usr/bin/env bash
# juKett ZRV end to end: the real program under Wine on a virtual display,
# beside the stand-in chat client, playing into a PulseAudio null sink, used
# only through real X pointer input. Everything is checked from outside: the
# room's log, Wine's MCI trace, the recorded sound, the window's geometry
# and state, the tray's pixels and the settings file.
#   player_e2e.sh BUILD_DIR
# Exit 77: skipped (a tool it needs is missing), with the reason printed.
set -uo pipefail

build="$(cd "$1" && pwd)"
root="$(cd "$(dirname "$0")/../.." && pwd)"

for tool in Xvfb xdotool xprop import convert pulseaudio parec sox lame iconv; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (tools/setup.sh installs it)"
    exit 77
  fi
done

# shellcheck source=../../tools/demo/player_session.sh
source "$root/tools/demo/player_session.sh"
unset DISPLAY  # always a virtual display of its own: nothing here is for a person

work="$(mktemp -d /tmp/jukett-e2e.XXXXXX)"
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() {  # check WHAT COMMAND...
  local what="$1"
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

signal_min=0.05   # a tone at half scale measures about 0.35
silence_max=0.01  # a quiet null sink records exact zeros
above() { [ -n "$1" ] && awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
below() { [ -n "$1" ] && awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# The sound after it has had time to settle.
listen() {
  sleep 0.7
  heard="$(session_listen 1)"
  echo "  heard: rms $heard"
}

last_line() { session_announcements | tail -n 1; }
lines() { session_room_lines; }
opens() { session_mci_commands | grep -c '^open ' || true; }

# Waits for the room's next line and holds it up against TEXT.
expect_line() {
  local count="$1" text="$2"
  if session_wait_lines "$count" 10 && [ "$(session_announcements | sed -n "${count}p")" = "$text" ]; then
    pass "room: $text"
  else
    fail "room line $count is '$(session_announcements | sed -n "${count}p")', expected '$text'"
  fi
}

# Nothing new in the room or in MCI within a good second.
expect_nothing_new() {
  local what="$1" count_before="$2" opens_before="$3"
  sleep 1.5
  check "$what: no new line in the room" [ "$(lines)" -eq "$count_before" ]
  check "$what: no new open in MCI" [ "$(opens)" -eq "$opens_before" ]
}

status_line() { echo "» juKett ZRV by kelvor » [$1]"; }
track_line() { echo "» juKett ZRV $1 » [$2]"; }

wait_for() {  # wait_for SECONDS COMMAND...: polls until COMMAND holds
  local seconds="$1"
  shift
  for _ in $(seq 1 $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

geometry_is() {  # geometry_is X Y W H (any of them "-" to skip)
  local want=("$@") got
  read -r -a got <<<"$(session_geometry)"
  for i in 0 1 2 3; do
    [ "${want[$i]}" = - ] || [ "${got[$i]}" = "${want[$i]}" ] || return 1
  done
}

height_is() { geometry_is - - - "$1"; }
window_hidden() { ! session_window_visible; }
tray_icons_are() { [ "$(session_tray_icons)" = "$1" ]; }
topmost() { xprop -id "$SESSION_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# Wine's own 8.3 names: MCI takes no blanks in a path.
opened_short_name() {
  local last
  last="$(session_mci_commands | grep '^open ' | tail -n 1)"
  [[ "$last" =~ ^open\ Z:[^\ ]*~[^\ ]*\.MP3\ type\ mpegvideo\ alias\ mp3play$ ]]
}
mute_commands_sent() {
  session_mci_commands | grep '^set mp3play audio all' | tr '\n' '|' |
    grep -qx 'set mp3play audio all off|set mp3play audio all on|'
}
settings_hold() {
  [ -f "$1" ] && iconv -f windows-1252 -t utf-8 "$1" | tr -d '\r' | grep -qxF "$2"
}

finish() {
  session_stop
  echo "$passed passed, $failed failed"
  if [ "$failed" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "screenshots, room log and MCI traces kept in $work"
  fi
}
trap finish EXIT

session_start "$build" "$work" || { fail "the session did not start"; exit 1; }
trap finish EXIT
read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"
startups=()

# ---- Start-up ----
echo "== start-up"
session_player_start "$SESSION_MUSIC" || { fail "the player did not start"; exit 1; }
startups+=("$SESSION_STARTUP_MS")
expect_line 1 "$(status_line on)"
expect_line 2 "» user: [$SESSION_SCREEN_NAME] » aol: [9.0]"
on_at=$(($(session_line_ms 1) - SESSION_LAUNCH_MS))
identity_at=$(($(session_line_ms 2) - SESSION_LAUNCH_MS))
echo "  after the launch: on at $on_at ms, identity at $identity_at ms, window at $SESSION_STARTUP_MS ms"
check "identity line at least 0.6 s after on" test $((identity_at - on_at)) -ge 590
check "window shown after both lines" test "$SESSION_STARTUP_MS" -ge "$identity_at"
# The middle of the window at 42.5 % of the screen's height, centred across;
# a half pixel may go either way.
read -r x y w h <<<"$(session_geometry)"
want_x2=$(((screen_w * 15 - 3135) / 15))  # twice the left edge, to keep the half
want_y=$(awk -v sh="$screen_h" 'BEGIN { printf "%.0f", (sh * 15 * 0.85 / 2 - 2175 / 2) / 15 }')
echo "  window at $x,$y size ${w}x$h on ${screen_w}x$screen_h"
check "window 209 x 145 px" test "$w" = 209 -a "$h" = 145
check "window centred across" test $((x * 2 - want_x2)) -ge -1 -a $((x * 2 - want_x2)) -le 1
check "window's middle at 42.5 % of the screen height" [ "$y" = "$want_y" ]
check "window always on top" topmost
session_screenshot "$work/01-started.png"

# ---- Playing, pausing, next and previous ----
echo "== transport"
n=2
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[0]}")"
listen
check "sound while playing" above "$heard" "$signal_min"
check "MCI opened the track by its short name, without blanks" opened_short_name
session_screenshot "$work/02-playing.png"

session_click lbpause
expect_line $((n += 1)) "$(track_line paused "${SESSION_TRACKS[0]}")"
listen
check "silence while paused" below "$heard" "$silence_max"
session_click lbpause
expect_line $((n += 1)) "$(track_line unpaused "${SESSION_TRACKS[0]}")"
listen
check "sound after unpausing" above "$heard" "$signal_min"

before_opens="$(opens)"
session_click lbback
expect_nothing_new "previous at the first track" "$n" "$before_opens"
session_click lbfoward
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[1]}")"
session_click lbfoward
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[2]}")"
before_opens="$(opens)"
session_click lbfoward
expect_nothing_new "next at the last track" "$n" "$before_opens"
session_click lbback
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[1]}")"
listen
check "sound after going back" above "$heard" "$signal_min"

session_click lbstop
expect_line $((n += 1)) "$(track_line stopped "${SESSION_TRACKS[1]}")"
listen
check "silence after stop" below "$heard" "$silence_max"

# ---- Mute ----
echo "== mute"
session_click Label4
expect_line $((n += 1)) "$(status_line muted)"
session_click Label4
expect_line $((n += 1)) "$(status_line unmuted)"
check "MCI got the mute and then the unmute" mute_commands_sent

# ---- The folder panel ----
echo "== folder panel"
session_click Label5
expect_line $((n += 1)) "$(status_line "dir shown")"
check "window 233 px high with the folder panel" wait_for 3 height_is 233
session_screenshot "$work/03-dir-shown.png"
session_click_folder "$(session_subfolder_row)"
sleep 0.5
session_click Label5
expect_line $((n += 1)) "$(status_line "dir hidden")"
expect_line $((n += 1)) "$(status_line "${#SESSION_SUB_TRACKS[@]} mp3's loaded")"
gap=$(($(session_line_ms "$n") - $(session_line_ms $((n - 1)))))
check "count line at least 0.6 s after the hidden line ($gap ms)" test "$gap" -ge 590
check "window 145 px high again" wait_for 3 height_is 145

# ---- Keep on screen ----
echo "== keep on screen"
session_drag_title $((screen_w - 10)) $((screen_h - 60))
read -r dx dy _ _ <<<"$(session_geometry)"
echo "  dragged to $dx,$dy"
check "dragged partly off the screen" test $((dx + 209)) -gt "$screen_w" -a $((dy + 145)) -gt "$screen_h"
session_screenshot "$work/04-dragged-off.png"
session_click Label1
check "slid back flush to the right and bottom edges" \
  wait_for 10 geometry_is $((screen_w - 209)) $((screen_h - 145)) 209 145
# Held near the title's top left corner, which is 16 px into the window.
session_drag_title 1 1 4 14
read -r dx dy _ _ <<<"$(session_geometry)"
echo "  dragged to $dx,$dy"
check "dragged partly off the left and top" test "$dx" -lt 0 -a "$dy" -lt 0
session_click Label1
check "slid back flush to the left and top edges" wait_for 10 geometry_is 0 0 209 145
check "dragging asked nothing of the room" [ "$(lines)" -eq "$n" ]

# ---- Tray ----
echo "== tray"
session_click Label2
expect_line $((n += 1)) "$(status_line minimized)"
check "window hidden when minimised" wait_for 10 window_hidden
check "one icon in the tray" wait_for 5 tray_icons_are 1
session_screenshot "$work/05-in-tray.png"
session_tray_click left
check "window back after a left click on the icon" wait_for 10 session_window_visible
check "icon gone from the tray" wait_for 5 tray_icons_are 0
check "restoring said nothing in the room" [ "$(lines)" -eq "$n" ]

# ---- Off and the second start ----
echo "== off"
session_click Label3
expect_line $((n += 1)) "$(status_line off)"
check "the process ended" session_player_wait_end 10
settings="$SESSION_PROGRAM/jukettzrv.ini"
want_path="path=$(session_winpath "$SESSION_SUBFOLDER")"
check "settings file holds the open folder" settings_hold "$settings" "$want_path"
echo "  settings file: $(tr -d '\r' <"$settings" 2>/dev/null | tr '\n' ' ')"

echo "== second start"
session_player_start "$SESSION_DIR" || { fail "the player did not start again"; exit 1; }
startups+=("$SESSION_STARTUP_MS")
n=$((n + 2))
session_wait_lines "$n" 10
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_SUB_TRACKS[0]}")"
session_click Label3
expect_line $((n += 1)) "$(status_line off)"
check "the second run ended" session_player_wait_end 10

echo "== start-up time"
for run in 3 4; do
  session_player_start "$SESSION_DIR" || { fail "start $run"; break; }
  startups+=("$SESSION_STARTUP_MS")
  n=$((n + 2))
  session_wait_lines "$n" 10
  session_click Label3
  n=$((n + 1))
  session_wait_lines "$n" 10
  session_player_wait_end 10 || fail "run $run did not end"
done
echo "start-up times (launch to window shown): ${startups[*]} ms"
[ "$failed" -eq 0 ]
