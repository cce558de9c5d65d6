# shellcheck shell=bash
# What can be seen of the session from outside: the window's place and
# picture, the tray, the sound in the null sink, the room's log and the
# player's MCI commands, and waits for any of them. A wait polls for what it
# wants to see, never for a fixed time, and gives up only after a timeout
# generous enough for a busy machine. Sourced by player_session.sh.

# Polls COMMAND until it holds or SECONDS have passed; status 0 when it held.
session_wait_for() {
  local seconds="$1" deadline
  shift
  deadline=$(($(session_now_ms) + seconds * 1000))
  until "$@"; do
    [ "$(session_now_ms)" -lt "$deadline" ] || return 1
    sleep 0.01
  done
}

# ---- The window ----

# "X Y WIDTH HEIGHT" of the player's window on the screen, in pixels.
session_geometry() {
  local window="${1:-$SESSION_WINDOW}" X="" Y="" WIDTH="" HEIGHT="" SCREEN="" WINDOW=""
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | tr -d '\r' || true)"
  echo "$X $Y $WIDTH $HEIGHT"
}

session_window_at() {
  local x y
  read -r x y _ _ <<<"$(session_geometry)"
  [ "$x" = "$1" ] && [ "$y" = "$2" ]
}

# Waits until the window has held its place for STILL_MS (1000 unless
# given). A slide back onto the screen ends with steps that return it to
# where it already is, and input that comes before the slide is over is
# handled inside it; from outside, the end of a slide is the window at rest.
session_wait_still() {
  local seconds="${1:-10}" still_ms="${2:-1000}" deadline place last="" since now
  deadline=$(($(session_now_ms) + seconds * 1000))
  while :; do
    place="$(session_geometry)"
    now="$(session_now_ms)"
    [ "$place" = "$last" ] || { last="$place"; since="$now"; }
    [ $((now - since)) -lt "$still_ms" ] || return 0
    [ "$now" -lt "$deadline" ] || return 1
    sleep 0.01
  done
}

session_window_visible() {
  xdotool search --onlyvisible --name "^${SESSION_TITLE}\$" 2>/dev/null | grep -qx "$SESSION_WINDOW"
}

# Waits until three pictures in a row of the player's window (or of
# WINDOW) are the same and not blank: whatever changed in it has been
# painted. (A window that comes back from the tray may hold still, black, for
# a moment before its children paint.)
session_wait_painted() {
  local seconds="${1:-10}" window="${2:-$SESSION_WINDOW}"
  rm -f "$SESSION_DIR/settled.rgb"
  SESSION_SAME_PICTURES=0
  session_wait_for "$seconds" session_picture_settled "$window"
}

session_picture_settled() {
  local shot="$SESSION_DIR/settling.rgb" previous="$SESSION_DIR/settled.rgb"
  import -window "$1" -depth 8 "rgb:$shot" 2>/dev/null || return 1
  if [ -f "$previous" ] && cmp -s "$shot" "$previous"; then
    SESSION_SAME_PICTURES=$((SESSION_SAME_PICTURES + 1))
  else
    SESSION_SAME_PICTURES=0
  fi
  mv -f "$shot" "$previous"
  [ "$SESSION_SAME_PICTURES" -ge 2 ] && [ "$(tr -d '\0' <"$previous" | head -c 1 | wc -c)" = 1 ]
}

# Whether control NAME shows more than the black of a window not yet
# painted; a list box that comes back from the tray with a selection stays
# black for a second or two after the window itself is back.
session_control_painted() {
  local left top width height x y
  read -r left top width height <<<"${SESSION_CONTROLS[$1]}"
  read -r x y _ _ <<<"$(session_geometry)"
  import -window root -crop "$(session_pixels "$width")x$(session_pixels "$height")+$((x + \
    $(session_pixels "$left")))+$((y + $(session_pixels "$top")))" +repage \
    -format '%[fx:mean > 0.1 ? 1 : 0]' info: 2>/dev/null | grep -q 1
}

session_screenshot() {
  import -window root "$1" 2>/dev/null
}

# ---- The tray ----

session_tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1 || true
}

# Icons showing in Wine's tray window, counted from its pixels: a cell with
# an icon is not one flat colour. Wine keeps the window up once it has
# shown, empty or not.
session_tray_icons() {
  local tray x y w count=0 cell shot="$SESSION_DIR/tray-count.png"
  tray="$(session_tray_window)"
  [ -n "$tray" ] || { echo 0; return; }
  read -r x y w _ <<<"$(session_geometry "$tray")"
  session_screenshot "$shot" || { echo 0; return; }
  for ((cell = 0; cell * 20 < w; cell++)); do
    convert "$shot" -crop "20x20+$((x + cell * 20))+$y" +repage \
      -format '%[fx:standard_deviation > 0.02 ? 1 : 0]' info: 2>/dev/null | grep -q 1 &&
      count=$((count + 1))
  done
  echo "$count"
}

# ---- The sound ----

# Records SECONDS of the null sink and prints its RMS amplitude; "" without
# a sink.
session_listen() {
  local seconds="${1:-1}" wav
  [ -n "${SESSION_PULSE:-}" ] || { echo ""; return; }
  wav="$SESSION_DIR/heard.wav"
  "$SESSION_TOOLS/audio/pulse-null-sink.sh" record "$SESSION_PULSE" "$seconds" "$wav"
  "$SESSION_TOOLS/audio/pulse-null-sink.sh" rms "$wav"
}

# Listens in half seconds until the sink's RMS is above or below LEVEL, for
# up to SECONDS; prints the last RMS heard, status 0 when it got there.
session_wait_sound() {
  local relation="$1" level="$2" seconds="${3:-10}" deadline heard
  deadline=$(($(session_now_ms) + seconds * 1000))
  while :; do
    heard="$(session_listen 0.5)"
    if [ -n "$heard" ] && awk -v a="$heard" -v b="$level" -v r="$relation" \
      'BEGIN { exit !(r == "above" ? a > b : a < b) }'; then
      echo "$heard"
      return 0
    fi
    [ "$(session_now_ms)" -lt "$deadline" ] || { echo "$heard"; return 1; }
  done
}

# ---- The room ----

session_room() {
  [ -f "$SESSION_LOG" ] || return 0
  iconv -f windows-1252 -t utf-8 "$SESSION_LOG"
}

session_announcements() {
  session_room | sed -e 's/<[^>]*>//g'
}

session_room_lines() {
  [ -f "$SESSION_LOG" ] || { echo 0; return; }
  wc -l <"$SESSION_LOG"
}

session_room_holds() { [ "$(session_room_lines)" -ge "$1" ]; }

# Waits until the room holds at least COUNT lines; status 0 when it does.
session_wait_lines() {
  session_wait_for "${2:-10}" session_room_holds "$1"
}

# When the room's line N (from 1) arrived, in ms since the epoch; the
# watcher may note it a moment after the line is in the log.
session_line_ms() {
  session_wait_for 10 session_line_noted "$1" || true
  sed -n "${1}p" "$SESSION_LINE_TIMES"
}

session_line_noted() { [ "$(wc -l <"$SESSION_LINE_TIMES")" -ge "$1" ]; }

# ---- The player's media commands ----

# Every command the player sent to MCI in its current run, one a line, as sent.
session_mci_commands() {
  "$SESSION_TOOLS/mci-commands.sh" "$SESSION_TRACE"
}
