# shellcheck shell=bash
# One session of juKett ZRV under Wine, driven from outside with real X
# pointer input: a display (the caller's, or a virtual one of its own), the
# build's private Wine prefix, a private PulseAudio null sink where PulseAudio
# is there, a generated music folder, the stand-in chat client with one room,
# and the player started from a scratch program folder so that its settings
# file lands where it can be read. Sourced by the end-to-end test and by
# tools/run.sh; every function is named session_*, every variable SESSION_*.
#
#   session_start BUILD_DIR WORK_DIR   everything but the player
#   session_player_start [FOLDER]      start the player with FOLDER as its
#                                      current folder; sets SESSION_PLAYER_PID,
#                                      SESSION_WINDOW, SESSION_STARTUP_MS
#   session_click NAME [single|double] a control of the window by its name
#   session_click_track INDEX          double-click a row of the track list
#   session_click_folder INDEX         double-click a row of the folder list
#   session_drag_title TO_X TO_Y [GRAB_X GRAB_Y]
#                                      drag the window by its title strip
#   session_geometry                   "X Y WIDTH HEIGHT" of the window
#   session_tray_click [left|right|double]
#   session_tray_icons                 how many icons the tray shows
#   session_screenshot FILE            the whole display, as PNG
#   session_listen [SECONDS]           RMS of what the null sink plays
#   session_room                       the room's log as UTF-8 text
#   session_announcements              the same, without the HTML
#   session_wait_lines COUNT [SECONDS] until the room holds COUNT lines
#   session_line_ms N                  when the room got line N
#   session_mci_commands               what the player sent to MCI
#   session_stop                       end all of it (also on EXIT)

SESSION_WINE=/usr/lib/wine/wine64
SESSION_WINESERVER=/usr/lib/wine/wineserver
SESSION_TOOLS="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=../utf8_locale.sh
source "$SESSION_TOOLS/utf8_locale.sh"
SESSION_SCREEN="${SESSION_SCREEN:-1024x768}"
SESSION_SCREEN_NAME="${SESSION_SCREEN_NAME:-ZRV Listener}"
SESSION_TITLE='juKett ZRV - by kelvor'
SESSION_TWIPS_PER_PIXEL=15
# A row of either list box: Arial 8 pt (Liberation Sans) at 96 DPI under Wine.
SESSION_LIST_ROW="${SESSION_LIST_ROW:-12}"

# Each control's place in the window, in twips ("left top width height"),
# read from the window's own layout table so the two cannot drift apart.
declare -A SESSION_CONTROLS=()
while read -r name left top width height; do
  SESSION_CONTROLS[$name]="$left $top $width $height"
done < <(sed -n 's/.*ControlLayout{Control::[A-Za-z0-9]*, "\([A-Za-z0-9]*\)", [A-Za-z:]*, \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\),.*/\1 \2 \3 \4 \5/p' \
  "$SESSION_TOOLS/../player/form_layout.cpp")
unset name left top width height

session_note() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

# Bash's own clock: no process to start, so it can time what it watches.
session_now_ms() { echo $((${EPOCHREALTIME/[.,]/} / 1000)); }

# ---- Start and stop ----

session_start() {
  SESSION_BUILD="$(cd "$1" && pwd)"
  SESSION_DIR="$2"
  mkdir -p "$SESSION_DIR"
  SESSION_DIR="$(cd "$SESSION_DIR" && pwd)"
  SESSION_XVFB_PID=""
  SESSION_PULSE=""
  SESSION_STANDIN_PID=""
  SESSION_PLAYER_PID=""
  SESSION_PLAYER_COUNT=0
  trap session_stop EXIT

  export WINEPREFIX="${SESSION_WINEPREFIX:-$SESSION_BUILD/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$SESSION_BUILD/wine-run.sh" --prepare-only
  session_quiet_crashes
  # A wineserver left from an earlier run may hold another display.
  "$SESSION_WINESERVER" -k 2>/dev/null || true
  "$SESSION_WINESERVER" -w 2>/dev/null || true

  [ -n "${DISPLAY:-}" ] || session_start_display
  session_start_sound
  session_make_music "$SESSION_DIR/music"
  session_start_standin
}

# A program that crashes under Wine ends with a backtrace on its error
# output instead of waiting behind a crash dialog nobody sees.
session_quiet_crashes() {
  [ -f "$WINEPREFIX/.jukett-quiet-crashes" ] && return 0
  "$SESSION_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 && touch "$WINEPREFIX/.jukett-quiet-crashes"
  "$SESSION_WINESERVER" -w 2>/dev/null || true
}

# A virtual display of our own; Xvfb picks a free number and tells it.
session_start_display() {
  local numberfile="$SESSION_DIR/display"
  rm -f "$numberfile"
  Xvfb -displayfd 3 -screen 0 "${SESSION_SCREEN}x24" -nolisten tcp 3>"$numberfile" \
    >"$SESSION_DIR/xvfb.log" 2>&1 &
  SESSION_XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -s "$numberfile" ] && break
    sleep 0.1
  done
  [ -s "$numberfile" ] || { session_note "Xvfb did not start"; return 1; }
  export DISPLAY=":$(head -n 1 "$numberfile")"
  session_note "virtual display $DISPLAY ($SESSION_SCREEN)"
}

# Sound is a bonus: without PulseAudio the player runs all the same, silent.
# SESSION_PRIVATE_SOUND=0 leaves the player on the desktop's own sound.
session_start_sound() {
  [ "${SESSION_PRIVATE_SOUND:-1}" = 1 ] || return 0
  command -v pulseaudio >/dev/null 2>&1 || return 0
  local line
  if line="$("$SESSION_TOOLS/audio/pulse-null-sink.sh" start "$SESSION_DIR/pulse" 2>/dev/null)"; then
    export "${line?}"
    SESSION_PULSE="$SESSION_DIR/pulse"
  else
    session_note "no PulseAudio null sink: the music plays nowhere"
  fi
}

session_stop() {
  trap - EXIT
  if [ -n "${SESSION_PLAYER_PID:-}" ]; then
    kill "$SESSION_PLAYER_PID" 2>/dev/null || true
    SESSION_PLAYER_PID=""
  fi
  if [ -n "${SESSION_TAIL_PID:-}" ]; then
    kill "$SESSION_TAIL_PID" 2>/dev/null || true
    SESSION_TAIL_PID=""
  fi
  if [ -n "${SESSION_STANDIN_PID:-}" ]; then
    kill "$SESSION_STANDIN_PID" 2>/dev/null || true
    SESSION_STANDIN_PID=""
  fi
  "$SESSION_WINESERVER" -k 2>/dev/null || true
  "$SESSION_WINESERVER" -w 2>/dev/null || true
  if [ -n "${SESSION_PULSE:-}" ]; then
    "$SESSION_TOOLS/audio/pulse-null-sink.sh" stop "$SESSION_PULSE" || true
    SESSION_PULSE=""
  fi
  if [ -n "${SESSION_XVFB_PID:-}" ]; then
    kill "$SESSION_XVFB_PID" 2>/dev/null || true
    wait "$SESSION_XVFB_PID" 2>/dev/null || true
    SESSION_XVFB_PID=""
  fi
}

# ---- The music folder ----

# Short tones far apart in pitch, with names that sort in the order listed.
session_make_music() {
  local music="$1" tone="$SESSION_TOOLS/audio/pulse-null-sink.sh"
  SESSION_MUSIC="$music"
  SESSION_SUBFOLDER="$music/more tunes"
  mkdir -p "$SESSION_SUBFOLDER"
  SESSION_TRACKS=("a low hum.mp3" "b middle.mp3" "c high whistle.mp3")
  SESSION_SUB_TRACKS=("d deep.mp3" "e bright.mp3")
  "$tone" tone 30 300 "$music/${SESSION_TRACKS[0]}"
  "$tone" tone 30 1000 "$music/${SESSION_TRACKS[1]}"
  "$tone" tone 30 3000 "$music/${SESSION_TRACKS[2]}"
  "$tone" tone 30 200 "$SESSION_SUBFOLDER/${SESSION_SUB_TRACKS[0]}"
  "$tone" tone 30 2000 "$SESSION_SUBFOLDER/${SESSION_SUB_TRACKS[1]}"
  echo "not music" >"$music/notes.txt"
}

# ---- The stand-in chat client ----

session_winpath() { printf 'Z:%s' "${1//\//\\}"; }

session_start_standin() {
  SESSION_LOG="$SESSION_DIR/room.log"
  rm -f "$SESSION_LOG" "$SESSION_DIR/standin.ready"
  "$SESSION_WINE" "$SESSION_BUILD/bin/standin-host.exe" --screen-name "$SESSION_SCREEN_NAME" \
    --log "$(session_winpath "$SESSION_LOG")" \
    --ready "$(session_winpath "$SESSION_DIR/standin.ready")" \
    >"$SESSION_DIR/standin.out" 2>&1 &
  SESSION_STANDIN_PID=$!
  for _ in $(seq 1 300); do
    [ -f "$SESSION_DIR/standin.ready" ] && break
    sleep 0.1
  done
  [ -f "$SESSION_DIR/standin.ready" ] || {
    session_note "the stand-in chat client did not come up"
    return 1
  }
  session_watch_room
}

# The log carries no times, so a watcher notes when each line arrives (ms
# since the epoch, one a line): tail follows the file by inotify at once.
session_watch_room() {
  SESSION_LINE_TIMES="$SESSION_DIR/room.times"
  : >"$SESSION_LINE_TIMES"
  tail -n +1 -F -s 0.01 "$SESSION_LOG" 2>/dev/null > >(
    while IFS= read -r _; do session_now_ms; done >"$SESSION_LINE_TIMES"
  ) &
  SESSION_TAIL_PID=$!
}

# When the room's line N (from 1) arrived, in ms since the epoch; the
# watcher may note it a moment after the line is in the log.
session_line_ms() {
  for _ in $(seq 1 300); do
    [ "$(wc -l <"$SESSION_LINE_TIMES")" -ge "$1" ] && break
    sleep 0.01
  done
  sed -n "${1}p" "$SESSION_LINE_TIMES"
}

# ---- The player ----

# Copies the program into the session's program folder (kept between starts,
# so the settings file stays) and starts it there with +mci tracing.
session_player_start() {
  local folder="${1:-$SESSION_DIR/program}"
  SESSION_PROGRAM="$SESSION_DIR/program"
  mkdir -p "$SESSION_PROGRAM"
  cp -f "$SESSION_BUILD/bin/jukettzrv.exe" "$SESSION_PROGRAM/"
  SESSION_PLAYER_COUNT=$((SESSION_PLAYER_COUNT + 1))
  SESSION_TRACE="$SESSION_DIR/mci-$SESSION_PLAYER_COUNT.trace"
  # A player left from before would be mistaken for this one.
  if [ -n "${SESSION_PLAYER_PID:-}" ]; then
    kill "$SESSION_PLAYER_PID" 2>/dev/null || true
    session_player_wait_end 10 || true
  fi
  SESSION_LAUNCH_MS="$(session_now_ms)"
  (cd "$folder" && WINEDEBUG=+mci exec "$SESSION_WINE" "$SESSION_PROGRAM/jukettzrv.exe") \
    >/dev/null 2>"$SESSION_TRACE" &
  SESSION_PLAYER_PID=$!
  SESSION_WINDOW=""
  for _ in $(seq 1 1500); do
    SESSION_WINDOW="$(session_find_window)"
    [ -n "$SESSION_WINDOW" ] && break
    kill -0 "$SESSION_PLAYER_PID" 2>/dev/null || break
    sleep 0.01
  done
  [ -n "$SESSION_WINDOW" ] || { session_note "the player's window did not show"; return 1; }
  SESSION_STARTUP_MS=$(($(session_now_ms) - SESSION_LAUNCH_MS))
  session_note "player window $SESSION_WINDOW shown after $SESSION_STARTUP_MS ms"
  # Let its first paint land before anything is clicked.
  sleep 0.3
}

session_find_window() {
  xdotool search --onlyvisible --name "^${SESSION_TITLE}\$" 2>/dev/null | head -n 1 || true
}

# Waits up to SECONDS for the player process to end; status 0 when it did.
session_player_wait_end() {
  local seconds="${1:-10}"
  for _ in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$SESSION_PLAYER_PID" 2>/dev/null; then
      wait "$SESSION_PLAYER_PID" 2>/dev/null || true
      SESSION_PLAYER_PID=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# "X Y WIDTH HEIGHT" of the player's window on the screen, in pixels.
session_geometry() {
  local window="${1:-$SESSION_WINDOW}" X="" Y="" WIDTH="" HEIGHT="" SCREEN="" WINDOW=""
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | tr -d '\r' || true)"
  echo "$X $Y $WIDTH $HEIGHT"
}

session_window_visible() {
  xdotool search --onlyvisible --name "^${SESSION_TITLE}\$" 2>/dev/null | grep -qx "$SESSION_WINDOW"
}

# Screen point of a spot inside a control: the control's centre unless a
# pixel offset from its top left is given.
session_point() {
  local name="$1" dx="${2:-}" dy="${3:-}" left top width height x y
  read -r left top width height <<<"${SESSION_CONTROLS[$name]}"
  read -r x y _ _ <<<"$(session_geometry)"
  [ -n "$dx" ] || dx=$((width / SESSION_TWIPS_PER_PIXEL / 2))
  [ -n "$dy" ] || dy=$((height / SESSION_TWIPS_PER_PIXEL / 2))
  echo "$((x + left / SESSION_TWIPS_PER_PIXEL + dx)) $((y + top / SESSION_TWIPS_PER_PIXEL + dy))"
}

# Moves there first and lets the move arrive on its own, as a hand would.
session_click_at() {
  local x="$1" y="$2" kind="${3:-single}"
  xdotool mousemove "$x" "$y"
  sleep 0.15
  if [ "$kind" = double ]; then
    xdotool click --repeat 2 --delay 60 1
  else
    xdotool click 1
  fi
  sleep 0.2
}

session_click() {
  local name="$1" kind="${2:-single}"
  [ -n "${SESSION_CONTROLS[$name]:-}" ] || { session_note "no control $name"; return 1; }
  # shellcheck disable=SC2046 # x and y
  session_click_at $(session_point "$name") "$kind"
}

# Rows start just inside the list's black frame.
session_list_row_point() {
  local list="$1" index="$2"
  session_point "$list" 20 $((1 + index * SESSION_LIST_ROW + SESSION_LIST_ROW / 2))
}

session_click_track() {
  # shellcheck disable=SC2046
  session_click_at $(session_list_row_point File1 "$1") double
}

session_click_folder() {
  # shellcheck disable=SC2046
  session_click_at $(session_list_row_point Dir1 "$1") double
}

# Holds the title strip at its centre, or GRAB_X GRAB_Y pixels from its top
# left, and moves the pointer to the screen point TO_X TO_Y in small steps.
# The pointer stays on the screen, so the window can only go as far off it
# as the grab point lies inside it.
session_drag_title() {
  local to_x="$1" to_y="$2" x y dx dy steps=10
  read -r x y <<<"$(session_point Label1 "${3:-}" "${4:-}")"
  dx=$((to_x - x))
  dy=$((to_y - y))
  xdotool mousemove "$x" "$y"
  sleep 0.15
  xdotool mousedown 1
  sleep 0.15
  for i in $(seq 1 "$steps"); do
    xdotool mousemove "$((x + dx * i / steps))" "$((y + dy * i / steps))"
    sleep 0.05
  done
  sleep 0.15
  xdotool mouseup 1
  sleep 0.3
}

session_tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1 || true
}

session_tray_click() {
  "$SESSION_TOOLS/wine-tray-click.sh" --index 0 "${1:-left}"
  sleep 0.3
}

session_screenshot() {
  import -window root "$1" 2>/dev/null
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

# Waits until the room holds at least COUNT lines; status 0 when it does.
session_wait_lines() {
  local count="$1" seconds="${2:-10}"
  for _ in $(seq 1 $((seconds * 100))); do
    [ "$(session_room_lines)" -ge "$count" ] && return 0
    sleep 0.01
  done
  return 1
}

# Every command the player sent to MCI in its current run, one a line, as sent.
session_mci_commands() {
  "$SESSION_TOOLS/mci-commands.sh" "$SESSION_TRACE"
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

# The row of the music folder's first subfolder in the folder list: the list
# shows every folder from the drive's root down to the open one, then the
# open folder's subfolders.
session_subfolder_row() {
  local path="${1:-$SESSION_MUSIC}" parts
  parts="$(tr -cd '/' <<<"${path%/}" | wc -c)"
  echo $((parts + 1))
}

# Records SECONDS of the null sink and prints its RMS amplitude; "" without
# a sink.
session_listen() {
  local seconds="${1:-1}" wav
  [ -n "${SESSION_PULSE:-}" ] || { echo ""; return; }
  wav="$SESSION_DIR/heard.wav"
  "$SESSION_TOOLS/audio/pulse-null-sink.sh" record "$SESSION_PULSE" "$seconds" "$wav"
  "$SESSION_TOOLS/audio/pulse-null-sink.sh" rms "$wav"
}
