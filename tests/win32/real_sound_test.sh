#!/usr/bin/env bash
# Real sound under Wine: the play probe plays generated MP3s through the
# Windows media control adapter into a private PulseAudio null sink, and the
# sink's monitor is recorded and measured after each command.
#   real_sound_test.sh CASE WINE_RUN PLAY_PROBE_EXE
# CASE: transport | replace | names | long-folders | unplayable | mute-commands |
#       mute-sound (with a known Wine gap). The device's answers to each
#       command are the media control contract's (tests/contracts).
# Tracks are sine tones at half scale (RMS about 0.35); a quiet null sink
# records exact zeros. Two tones far apart (300 Hz, 3000 Hz) tell by band
# which track is sounding. Exit 77: skipped, with the reason printed.
set -euo pipefail

case_name="$1"
wine_run="$2"
probe="$3"
tools="$(cd "$(dirname "$0")/../../tools" && pwd)"
harness="$tools/audio/pulse-null-sink.sh"

signal_min=0.05   # a playing tone measures about 0.35
silence_max=0.01  # quiet measures 0

work="$(mktemp -d /tmp/jukett-sound.XXXXXX)"
probe_pid=""
cleanup() {
  exec 3>&- 4<&-
  if [ -n "$probe_pid" ]; then
    for _ in $(seq 1 100); do
      kill -0 "$probe_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$probe_pid" 2>/dev/null || true
  fi
  "$harness" stop "$work/pulse"
  rm -rf "$work"
}
trap cleanup EXIT

eval "export $("$harness" start "$work/pulse")"

music="$work/My Music"
mkdir -p "$music"
low="$music/low tone one.mp3"
high="$music/HIGH TONE.MP3"
foreign="$music/Жук Ωmega tone.mp3"  # outside the ANSI code page
# The tones are made once and kept beside the build.
tones="$(dirname "$wine_run")/sound-test-tones"
tone() {  # tone HZ COPY
  local made="$tones/$1Hz.mp3"
  if [ ! -f "$made" ]; then
    mkdir -p "$tones"
    "$harness" tone 20 "$1" "$made.$$"
    mv -f "$made.$$" "$made"
  fi
  cp "$made" "$2"
}
tone 300 "$low"
tone 3000 "$high"
tone 3000 "$foreign"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

mkfifo "$work/in" "$work/out"
WINEDEBUG="${WINEDEBUG:-+mci}" "$wine_run" "$probe" <"$work/in" >"$work/out" 2>"$work/trace" &
probe_pid=$!
exec 3>"$work/in" 4<"$work/out"

# send COMMAND...: the probe must answer "ok", or what $reply_wanted says.
send() {
  local reply="" wanted="${reply_wanted:-ok}"
  printf '%s\n' "$*" >&3
  if ! read -r -t 60 reply <&4 || [ "${reply%$'\r'}" != "$wanted" ]; then
    echo "FAIL: the probe answered '${reply%$'\r'}' to '$*', not '$wanted'" >&2
    tail -20 "$work/trace" >&2
    exit 1
  fi
}

# Listens until every condition holds (MEASURE RELATION LIMIT..., each
# MEASURE one of total, lowband, highband) in two moments of the sink in a
# row, so that a moment's stall on a busy machine does not pass for silence;
# for at most five seconds. Leaves the last moment's measures in those.
listen() {
  local label="$1" deadline=$((SECONDS + 5)) moment=0 held=0
  shift
  while :; do
    moment=$((moment + 1))
    local heard="$work/$label-$moment.wav"
    "$harness" record "$work/pulse" 0.3 "$heard"
    total="$("$harness" rms "$heard")"
    lowband="$(sox "$heard" -n sinc 100-600 stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')"
    highband="$(sox "$heard" -n sinc 2000-4000 stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')"
    if all_hold "$@"; then held=$((held + 1)); else held=0; fi
    [ "$held" -ge 2 ] || [ "$SECONDS" -ge "$deadline" ] || continue
    echo "measured $label: rms=$total 300Hz-band=$lowband 3000Hz-band=$highband"
    return 0
  done
}

failures=0
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
holds() {  # holds VALUE RELATION LIMIT
  local value="$1" relation="$2" limit="$3"
  { [ "$relation" = ">" ] && above "$value" "$limit"; } ||
    { [ "$relation" = "<" ] && above "$limit" "$value"; }
}
all_hold() {  # all_hold [MEASURE RELATION LIMIT]...
  while [ $# -ge 3 ]; do
    holds "${!1}" "$2" "$3" || return 1
    shift 3
  done
}

# A known Wine gap, marked on the check in the manner of Wine's todo_wine:
#   wine_gap CHECK WHAT ...
# states what Windows does. The probe plays through Wine here, where the
# check is expected to fail and is only noted; the day it holds it fails as
# "gap closed", so that the mark is struck off.
gap=""
wine_gap() {
  gap=1
  "$@"
  gap=""
}
verdict() {  # verdict WHAT HELD DETAIL
  local what="$1" held="$2" detail="$3"
  if [ -z "$gap" ] && [ "$held" = yes ]; then return; fi
  if [ -z "$gap" ]; then
    echo "FAIL: $what: $detail" >&2
  elif [ "$held" = yes ]; then
    echo "FAIL: gap closed: $what: Wine now does what Windows does; remove the known Wine gap's mark" >&2
  else
    echo "known Wine gap, still open: $what: $detail"
    return
  fi
  failures=$((failures + 1))
}
expect() {  # expect WHAT VALUE RELATION LIMIT
  local held=yes
  holds "$2" "$3" "$4" || held=no
  verdict "$1" "$held" "$2 is not $3 $4"
}
# Listens until MEASURE RELATION LIMIT holds, and expects it.
hear() {  # hear WHAT MEASURE RELATION LIMIT
  listen "${1// /-}" "$2" "$3" "$4"
  expect "$1" "${!2}" "$3" "$4"
}

# The commands the program sent to Wine's MCI, in order.
mci_commands() {
  "$tools/mci-commands.sh" "$work/trace"
}

case "$case_name" in
  transport)
    send play "$(windows_path "$low")"
    hear "signal while playing" total ">" "$signal_min"
    send pause
    hear "silence while paused" total "<" "$silence_max"
    send resume
    hear "signal after resume" total ">" "$signal_min"
    send stop
    hear "silence after stop" total "<" "$silence_max"
    ;;
  replace)
    send play "$(windows_path "$low")"
    hear "first track heard" lowband ">" "$signal_min"
    send play "$(windows_path "$high")"
    listen second highband ">" "$signal_min" lowband "<" "$silence_max"
    expect "second track heard" "$highband" ">" "$signal_min"
    expect "first track gone" "$lowband" "<" "$silence_max"
    ;;
  names)
    send play "$(windows_path "$foreign")"
    hear "a name outside the code page plays" highband ">" "$signal_min"
    reply_wanted="not opened" send play "$(windows_path "$music/no such track.mp3")"
    hear "silence after a missing file" total "<" "$silence_max"
    ;;
  long-folders)
    # Folders past MAX_PATH: by long names whose short form is short, and by
    # eight-letter names that are their own short names, so that the path
    # the device opens is past MAX_PATH too.
    long_names="$music$(printf '/a folder with a long name %s' 1 2 3 4 5 6 7 8 9 10)"
    own_short="$music$(printf '/abcdefg%s' $(seq 10 45))"
    mkdir -p "$long_names" "$own_short"
    cp "$low" "$long_names/low tone one.mp3"
    cp "$high" "$own_short/HIGH.MP3"
    send play "$(windows_path "$long_names/low tone one.mp3")"
    hear "a track past MAX_PATH by its long names plays" lowband ">" "$signal_min"
    send play "$(windows_path "$own_short/HIGH.MP3")"
    hear "a track whose short form is past MAX_PATH plays" highband ">" "$signal_min"
    ;;
  mute-commands)
    # Wine's device takes the mute command without muting, so the check is
    # on the commands that reached it. A track started while muted is muted
    # before it plays.
    send play "$(windows_path "$low")"
    send mute
    send play "$(windows_path "$high")"
    send quit
    exec 3>&-
    wait "$probe_pid" || true
    probe_pid=""
    mci_commands >"$work/commands"
    cat "$work/commands"
    # Patterns: the short path's folders and name are Wine's own 8.3 forms.
    want=(
      'stop mp3play' 'close mp3play' 'open Z:\\*~*.MP3 type mpegvideo alias mp3play'
      'play mp3play' 'set mp3play audio all off'
      'stop mp3play' 'close mp3play' 'open Z:\\*~*.MP3 type mpegvideo alias mp3play'
      'set mp3play audio all off' 'play mp3play' 'stop mp3play' 'close all'
    )
    mapfile -t got <"$work/commands"
    if [ "${#got[@]}" -ne "${#want[@]}" ]; then
      echo "FAIL: ${#got[@]} commands reached the device, not ${#want[@]}" >&2
      failures=$((failures + 1))
    else
      for i in "${!want[@]}"; do
        # shellcheck disable=SC2053 # the expected line is a pattern
        path="${got[$i]#open }"
        path="${path% type mpegvideo alias mp3play}"
        if [[ "${got[$i]}" != ${want[$i]} ]] || [[ "${got[$i]}" == open* && "$path" == *" "* ]]; then
          echo "FAIL: command $i is '${got[$i]}', expected '${want[$i]}'" >&2
          failures=$((failures + 1))
        fi
      done
    fi
    ;;
  unplayable)
    # What Wine's open answers, measured: a vanished file, an empty file and
    # a text file do not open; random bytes do (GStreamer finds frames in
    # them), so they are not a case here. None of them may leave the old
    # track playing.
    empty="$music/empty.mp3"
    text="$music/notes.mp3"
    : >"$empty"
    printf 'not music at all\r\n' >"$text"
    for track in "$music/vanished.mp3" "$empty" "$text"; do
      send play "$(windows_path "$low")"
      reply_wanted="not opened" send play "$(windows_path "$track")"
      hear "silence after $(basename "$track")" total "<" "$silence_max"
    done
    ;;
  mute-sound)
    # As on Windows. Wine's mpegvideo device takes 'set ... audio all off'
    # and keeps playing: a known Wine gap.
    send play "$(windows_path "$low")"
    send mute
    wine_gap hear "silence while muted" total "<" "$silence_max"
    send unmute
    hear "signal after unmute" total ">" "$signal_min"
    ;;
  *)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "PASS: $case_name"
