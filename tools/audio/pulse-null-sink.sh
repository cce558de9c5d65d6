#!/usr/bin/env bash
# A private PulseAudio server with one null sink, for tests that must hear
# what a Windows program plays under Wine. It runs as root too (CI has no
# sound server, no session bus and no display), needs no cookie, and leaves
# the user's own PulseAudio set-up alone: everything lives in one folder.
#
#   tools/audio/pulse-null-sink.sh start DIR     start the server in DIR (made if missing);
#                                                prints PULSE_SERVER=... for the player's side
#   tools/audio/pulse-null-sink.sh stop DIR      end that server
#   tools/audio/pulse-null-sink.sh record DIR SECONDS OUT.wav
#                                                record the sink's monitor for SECONDS
#   tools/audio/pulse-null-sink.sh rms FILE.wav  print the RMS amplitude (0 to 1)
#   tools/audio/pulse-null-sink.sh frequency FILE.wav
#                                                print sox's rough frequency in Hz
#   tools/audio/pulse-null-sink.sh tone SECONDS HZ OUT.mp3
#                                                make an MP3 of a sine tone with lame
#
# Typical use from a test script:
#   dir=$(mktemp -d); tools/audio/pulse-null-sink.sh start "$dir"
#   PULSE_SERVER=unix:$dir/native wine-run.sh player.exe &
#   tools/audio/pulse-null-sink.sh record "$dir" 1 "$dir/heard.wav"
#   tools/audio/pulse-null-sink.sh rms "$dir/heard.wav"      # about 0.35 for a tone at half scale
#   tools/audio/pulse-null-sink.sh stop "$dir"
# Silence on a null sink is exact zeros, so any threshold well above 0 and
# well below the tone's level tells playing from quiet.
set -euo pipefail

command="${1:-}"
shift || true

server_env() { echo "unix:$1/native"; }

start() {
  local dir="$1"
  mkdir -p "$dir"
  dir="$(cd "$dir" && pwd)"
  # HOME and the runtime path keep the server's state and socket in DIR.
  HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir" PULSE_STATE_PATH="$dir" \
    pulseaudio --daemonize=no --system=false -n --exit-idle-time=-1 --disable-shm=yes \
    --use-pid-file=no --log-target=file:"$dir/pulse.log" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    --load="module-null-sink sink_name=nullsink rate=44100 channels=2" \
    --load="module-always-sink" \
    </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/pulse.pid"
  for _ in $(seq 1 100); do
    if PULSE_SERVER="$(server_env "$dir")" pactl info >/dev/null 2>&1; then
      PULSE_SERVER="$(server_env "$dir")" pactl set-default-sink nullsink
      echo "PULSE_SERVER=$(server_env "$dir")"
      return 0
    fi
    sleep 0.1
  done
  echo "pulseaudio did not start; see $dir/pulse.log" >&2
  stop "$dir"
  return 1
}

stop() {
  local dir="$1"
  [ -f "$dir/pulse.pid" ] || return 0
  local pid
  pid="$(cat "$dir/pulse.pid")"
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  rm -f "$dir/pulse.pid"
}

record() {
  local dir="$1" seconds="$2" out="$3" raw="$3.raw"
  # Exactly SECONDS of sound, however long the monitor stream takes to start
  # (a fresh null sink delivers its first fragments late); the timeout only
  # guards against a server that went away.
  local bytes
  bytes="$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 44100 * 4 }')"
  PULSE_SERVER="$(server_env "$dir")" timeout 30 \
    parec -d nullsink.monitor --latency-msec=20 --format=s16le --rate=44100 --channels=2 --raw \
    2>/dev/null | head -c "$bytes" >"$raw" || true
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" "$out"
  rm -f "$raw"
}

rms() { sox "$1" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'; }
frequency() { sox "$1" -n stat 2>&1 | awk '/^Rough +frequency/ {print $3}'; }

tone() {
  local seconds="$1" hz="$2" out="$3" wav
  wav="$(mktemp --suffix=.wav)"
  sox -n -r 44100 -c 2 -b 16 "$wav" synth "$seconds" sine "$hz" vol 0.5
  lame --quiet -b 128 "$wav" "$out"
  rm -f "$wav"
}

case "$command" in
  start | stop | record | rms | frequency | tone) "$command" "$@" ;;
  *)
    sed -n '2,27p' "$0" >&2
    exit 2
    ;;
esac
