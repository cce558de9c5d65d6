#!/usr/bin/env bash
# The end-to-end scenarios' shared session, as a CTest fixture: "start" sets
# up a virtual display, a PulseAudio null sink, the music folder and the
# stand-in chat client with its room, in a Wine prefix of the end-to-end
# tests' own (so that no other Wine test's end takes it down), and leaves
# them running; "stop" ends them and prints the start-up times of every
# player the scenarios started.
#   session.sh start|stop BUILD_DIR
# The session's folder is named in BUILD_DIR/e2e-session. Exit 77: skipped
# (a tool it needs is missing), with the reason printed.
set -uo pipefail

action="$1"
build="$(cd "$2" && pwd)"
root="$(cd "$(dirname "$0")/../.." && pwd)"
pointer="$build/e2e-session"

# shellcheck source=driver/player_session.sh
source "$root/tests/e2e/driver/player_session.sh"
unset DISPLAY  # always a virtual display of its own: nothing here is for a person

start() {
  local tool
  for tool in Xvfb xdotool xprop import convert pulseaudio parec sox lame iconv; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool is not installed (tools/setup.sh installs it)" | tee "$pointer"
      exit 77
    fi
  done
  # One left from a run that never got to its end; ended in a subshell, so
  # that its display and sound server stay out of this session.
  [ -f "$pointer" ] && (stop)
  # A short path: the folder list shows every folder from the drive's root
  # down to the music, and the music's subfolder must still be in view.
  local dir
  dir="$(mktemp -d /tmp/jukett-e2e.XXXXXX)"
  echo "$dir" >"$pointer"
  SESSION_WINEPREFIX="$build/e2e-wineprefix"
  session_start "$build" "$dir" || { echo "FAIL: the session did not start"; exit 1; }
  session_detach
  echo "session in $dir on display $DISPLAY"
}

stop() {
  local dir
  read -r dir <"$pointer" 2>/dev/null || dir=""
  rm -f "$pointer"
  case "$dir" in SKIPPED* | "") return 0 ;; esac
  if [ ! -f "$dir/session.env" ]; then
    echo "the session did not start; its logs are kept in $dir"
    return 0
  fi
  session_resume "$dir" || true
  session_stop
  [ -s "$dir/startup-times" ] &&
    echo "start-up times (launch to window shown): $(tr '\n' ' ' <"$dir/startup-times")ms"
  if [ -s "$dir/failed" ]; then
    echo "failed: $(tr '\n' ' ' <"$dir/failed")"
    echo "screenshots, room log and MCI traces kept in $dir"
  else
    rm -rf "$dir"
  fi
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: session.sh start|stop BUILD_DIR" >&2; exit 2 ;;
esac
