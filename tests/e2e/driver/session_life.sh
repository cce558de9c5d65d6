# shellcheck shell=bash
# The session's start and stop: the display, the sound server, the music
# folder, the stand-in chat client, the window's layout table and the
# player's process. Sourced by player_session.sh.

# ---- Start and stop ----

session_start() {
  SESSION_BUILD="$(cd "$1" && pwd)"
  SESSION_DIR="$2"
  mkdir -p "$SESSION_DIR"
  SESSION_DIR="$(cd "$SESSION_DIR" && pwd)"
  SESSION_XVFB_PID=""
  SESSION_PULSE=""
  SESSION_STANDIN_PID=""
  SESSION_TAIL_PID=""
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

  [ -n "${DISPLAY:-}" ] || session_start_display || return 1
  session_start_sound
  session_make_music "$SESSION_DIR/music"
  session_start_standin || return 1
  session_read_layout || return 1
  session_save
}

# What another process needs to carry on with this session, one NAME=value
# line each, quoted for the shell that reads them back: the session's own
# variables and the environment the Wine programs run in. The tracks' names
# are fixed and the layout table is kept in the session's folder, so neither
# needs handing over.
session_save() {
  local name
  for name in DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES PULSE_SERVER \
    SESSION_BUILD SESSION_DIR SESSION_XVFB_PID SESSION_PULSE SESSION_STANDIN_PID \
    SESSION_TAIL_PID SESSION_LOG SESSION_LINE_TIMES SESSION_MUSIC SESSION_SUBFOLDER; do
    printf '%s=%q\n' "$name" "${!name-}"
  done >"$SESSION_DIR/session.env"
}

# Takes over a session that session_start began in another process, which
# left it running with session_detach. The player is this process's own.
session_resume() {
  local dir="$1"
  [ -f "$dir/session.env" ] || { session_note "no session in $dir"; return 1; }
  # shellcheck disable=SC1091 # written by session_save
  source "$dir/session.env"
  session_load_layout || return 1
  export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
  [ -z "${PULSE_SERVER:-}" ] || export PULSE_SERVER
  SESSION_PLAYER_PID=""
  SESSION_PLAYER_COUNT=0
  trap session_player_stop EXIT
  kill -0 "$SESSION_STANDIN_PID" 2>/dev/null || {
    session_note "the session's stand-in chat client is gone"
    return 1
  }
}

# Leaves everything but the player running for a later session_resume.
session_detach() {
  trap - EXIT
  session_player_stop
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
    >"$SESSION_DIR/xvfb.log" 2>&1 </dev/null &
  SESSION_XVFB_PID=$!
  session_wait_for 30 test -s "$numberfile" || { session_note "Xvfb did not start"; return 1; }
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
  session_player_stop
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
SESSION_TRACKS=("a low hum.mp3" "b middle.mp3" "c high whistle.mp3")
SESSION_SUB_TRACKS=("d deep.mp3" "e bright.mp3")
session_make_music() {
  local music="$1" tone="$SESSION_TOOLS/audio/pulse-null-sink.sh"
  SESSION_MUSIC="$music"
  SESSION_SUBFOLDER="$music/more tunes"
  mkdir -p "$SESSION_SUBFOLDER"
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
    >"$SESSION_DIR/standin.out" 2>&1 </dev/null &
  SESSION_STANDIN_PID=$!
  session_wait_for 60 test -f "$SESSION_DIR/standin.ready" || {
    session_note "the stand-in chat client did not come up"
    return 1
  }
  session_watch_room
}

# The log carries no times, so a watcher notes when each line arrives (ms
# since the epoch, one a line): tail follows the file by inotify at once.
# It keeps running for processes that resume the session, holding none of
# this process's output open (a test runner waits for that to close).
session_watch_room() {
  SESSION_LINE_TIMES="$SESSION_DIR/room.times"
  : >"$SESSION_LINE_TIMES"
  (
    exec </dev/null >/dev/null 2>&1
    exec tail -n +1 -F -s 0.01 "$SESSION_LOG" > >(
      while IFS= read -r _; do session_now_ms; done >"$SESSION_LINE_TIMES"
    )
  ) &
  SESSION_TAIL_PID=$!
}

# ---- The window's layout table ----

# Each control's place in the window, in twips ("left top width height"),
# as the program's own table prints it, so that the two cannot drift apart.
declare -A SESSION_CONTROLS=()

session_read_layout() {
  "$SESSION_WINE" "$SESSION_BUILD/bin/layout_table.exe" </dev/null 2>/dev/null | tr -d '\r' \
    >"$SESSION_DIR/layout.txt"
  session_load_layout
}

# The table as session_read_layout kept it in the session's folder.
session_load_layout() {
  local name left top width height
  SESSION_CONTROLS=()
  while read -r name left top width height; do
    SESSION_CONTROLS[$name]="$left $top $width $height"
  done <"$SESSION_DIR/layout.txt"
  [ -n "${SESSION_CONTROLS[frmJUKETT]:-}" ] || {
    session_note "the window's layout table could not be read"
    return 1
  }
}

# ---- The player ----

# Copies the program into a program folder (SESSION_PROGRAM, kept between
# starts so the settings file stays) and starts it there with +mci tracing.
# Returns once its window shows, painted.
session_player_start() {
  local folder="${1:-}"
  SESSION_PROGRAM="${SESSION_PROGRAM:-$SESSION_DIR/program}"
  folder="${folder:-$SESSION_PROGRAM}"
  mkdir -p "$SESSION_PROGRAM"
  cp -f "$SESSION_BUILD/bin/jukettzrv.exe" "$SESSION_PROGRAM/"
  SESSION_PLAYER_COUNT=$((SESSION_PLAYER_COUNT + 1))
  SESSION_TRACE="$SESSION_PROGRAM/mci-$SESSION_PLAYER_COUNT.trace"
  # A player left from before would be mistaken for this one.
  session_player_stop
  SESSION_LAUNCH_MS="$(session_now_ms)"
  (cd "$folder" && WINEDEBUG=+mci exec "$SESSION_WINE" "$SESSION_PROGRAM/jukettzrv.exe") \
    </dev/null >/dev/null 2>"$SESSION_TRACE" &
  SESSION_PLAYER_PID=$!
  SESSION_WINDOW=""
  session_wait_for 60 session_player_window_found
  [ -n "$SESSION_WINDOW" ] || { session_note "the player's window did not show"; return 1; }
  # Read at once, from the log itself: what the room held when the window
  # was seen, with no watcher's delay between the two.
  SESSION_LINES_WHEN_SHOWN="$(session_room_lines)"
  SESSION_STARTUP_MS=$(($(session_now_ms) - SESSION_LAUNCH_MS))
  echo "$SESSION_STARTUP_MS" >>"$SESSION_DIR/startup-times"
  session_read_dpi
  session_note "player window $SESSION_WINDOW shown after $SESSION_STARTUP_MS ms at $SESSION_DPI DPI"
  session_wait_painted 10 || session_note "the player's window did not settle"
}

# Status 0 once the window shows; also once the process has ended, which
# ends the wait without a window.
session_player_window_found() {
  SESSION_WINDOW="$(session_find_window)"
  [ -n "$SESSION_WINDOW" ] || ! kill -0 "$SESSION_PLAYER_PID" 2>/dev/null
}

session_find_window() {
  xdotool search --onlyvisible --name "^${SESSION_TITLE}\$" 2>/dev/null | head -n 1 || true
}

# The display's DPI as the program sees it: the window is the table's width
# in twips, 1440 of them to an inch, rounded to whole pixels.
session_read_dpi() {
  local form_width width
  read -r _ _ form_width _ <<<"${SESSION_CONTROLS[frmJUKETT]}"
  read -r _ _ width _ <<<"$(session_geometry)"
  SESSION_DPI=$(((width * 1440 + form_width / 2) / form_width))
  # A row of either list box: Arial 8 pt (Liberation Sans), 12 pixels at 96 DPI.
  SESSION_LIST_ROW="${SESSION_LIST_ROW_PX:-$(((12 * SESSION_DPI + 48) / 96))}"
}

# Waits up to SECONDS for the player process to end; status 0 when it did.
session_player_wait_end() {
  local seconds="${1:-10}"
  [ -n "${SESSION_PLAYER_PID:-}" ] || return 0
  session_wait_for "$seconds" session_player_ended || return 1
  wait "$SESSION_PLAYER_PID" 2>/dev/null || true
  SESSION_PLAYER_PID=""
}

session_player_ended() { ! kill -0 "$SESSION_PLAYER_PID" 2>/dev/null; }

# Ends the player, if it still runs, and waits until it has: nothing it says
# after that can reach the room.
session_player_stop() {
  [ -n "${SESSION_PLAYER_PID:-}" ] || return 0
  kill "$SESSION_PLAYER_PID" 2>/dev/null || true
  session_player_wait_end 30 || session_note "the player did not end"
}
