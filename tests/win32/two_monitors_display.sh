#!/usr/bin/env bash
# Runs a command on a virtual display of two 1024 x 768 monitors: the primary
# at 0,0 and a second one right or left of it (left: at negative
# coordinates). Xvfb cannot show Wine two monitors; Xorg's dummy driver can.
# Usage: two_monitors_display.sh right|left <command> [arguments...]
set -euo pipefail
side="$1"
shift
case "$side" in right | left) ;; *) echo "right or left, not '$side'" >&2; exit 2 ;; esac
command -v Xorg >/dev/null && [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || {
  echo "needs xserver-xorg-core and xserver-xorg-video-dummy (tools/setup.sh)" >&2
  exit 77
}

scratch="$(mktemp -d)"
xorg_pid=""
cleanup() {
  [ -n "$xorg_pid" ] && kill "$xorg_pid" 2>/dev/null && wait "$xorg_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

cat >"$scratch/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 32768
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
  Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1024x768"
    Virtual 2048 768
  EndSubSection
EndSection
CONF

# The first display number nobody holds; a server that loses the race for
# it exits, and the next number is tried.
wait_for() {  # tries, then a command that succeeds once the wait is over
  local tries="$1"
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    kill -0 "$xorg_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
for number in $(seq 120 160); do
  [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
  Xorg ":$number" -noreset -nolisten tcp -config "$scratch/xorg.conf" \
    -logfile "$scratch/xorg.log" >"$scratch/xorg.out" 2>&1 &
  xorg_pid=$!
  if wait_for 200 xrandr -d ":$number" --current; then
    export DISPLAY=":$number"
    break
  fi
  kill "$xorg_pid" 2>/dev/null || true
  wait "$xorg_pid" 2>/dev/null || true
  xorg_pid=""
done
[ -n "$xorg_pid" ] || { echo "no Xorg display came up" >&2; cat "$scratch/xorg.out" >&2; exit 1; }

xrandr --addmode DUMMY1 1024x768
xrandr --output DUMMY1 --mode 1024x768 "--$side-of" DUMMY0
# Wine reads the layout once, when its server starts: only with both there.
two_monitors() { xrandr --listmonitors | grep -q '^Monitors: 2$'; }
wait_for 100 two_monitors || { echo "the second monitor did not come up" >&2; exit 1; }

status=0
JUKETT_ON_VIRTUAL_DISPLAY=1 JUKETT_SECOND_MONITOR="$side" "$@" || status=$?
exit "$status"
