#!/bin/sh
# Clicks an icon in Wine's own notification area, the "Wine System Tray"
# window Wine shows when the desktop has no tray of its own (as on a bare
# virtual display), with real X pointer input.
#
#   wine-tray-click.sh [--status FILE] [--index N] left|right|double|move|press|release
#
# Icons sit side by side from the left edge of the window's client area, one
# small icon plus a two-pixel border on each side, 20 x 20 pixels at 96 DPI;
# --index picks one (0: the first added). --cell overrides the cell size.
# Exit status 0 when the click was made, 2 when no tray window showed up
# within five seconds. --status FILE also writes the status into FILE last,
# for callers that cannot wait for this process (a Windows program under
# Wine gets no usable handle for a Unix process it starts).
status_file=
index=0
cell=20
while [ $# -gt 1 ]; do
  case "$1" in
    --status) status_file=$2; shift 2 ;;
    --index) index=$2; shift 2 ;;
    --cell) cell=$2; shift 2 ;;
    *) break ;;
  esac
done
action=${1:-left}

finish() {
  [ -n "$status_file" ] && echo "$1" >"$status_file"
  exit "$1"
}

tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1
}

window=
tries=0
while [ -z "$window" ] && [ $tries -lt 50 ]; do
  window=$(tray_window)
  [ -n "$window" ] || { sleep 0.1; tries=$((tries + 1)); }
done
[ -n "$window" ] || finish 2

x=$((index * cell + cell / 2))
y=$((cell / 2))
xdotool mousemove --window "$window" "$x" "$y" || finish 1
# Let the move arrive on its own before any button, as a hand would.
sleep 0.1
case "$action" in
  left) xdotool click 1 ;;
  right) xdotool click 3 ;;
  double) xdotool click --repeat 2 --delay 80 1 ;;
  move) true ;;
  press) xdotool mousedown 1 ;;
  release) xdotool mouseup 1 ;;
  *) finish 64 ;;
esac || finish 1
finish 0
