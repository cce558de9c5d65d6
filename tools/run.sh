#!/usr/bin/env bash
# Runs juKett ZRV under Wine beside the stand-in chat room, on this desktop
# (or, without one, on a virtual display, printing what the room received).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
if [ -z "${DISPLAY:-}" ]; then
  exec env JUKETT_HEADLESS=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null

build=build/win64
demo="$build/demo"
mkdir -p "$demo"
rm -f "$demo/ready" "$demo/room.log"
"$build/wine-run.sh" --prepare-only
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all
wine=/usr/lib/wine/wine64

winpath() { "$wine" winepath -w "$1" 2>/dev/null; }
"$wine" "$build/bin/standin-host.exe" --screen-name "$(whoami)" \
  --log "$(winpath "$demo/room.log")" --ready "$(winpath "$demo/ready")" &
standin=$!
for _ in $(seq 1 300); do [ -f "$demo/ready" ] && break; sleep 0.1; done

"$wine" "$build/bin/jukettzrv.exe"
echo "The chat room received:"
sed 's/^/  /' "$demo/room.log" 2>/dev/null | iconv -f windows-1252 -t utf-8 || true

if [ -n "${JUKETT_HEADLESS:-}" ]; then
  /usr/lib/wine/wineserver -k
else
  echo "Close the chat room window to end."
  wait "$standin" || true
fi
