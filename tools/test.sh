#!/usr/bin/env bash
# Installs what the builds need, builds all three (Linux, Windows x86_64 and
# i686), makes and checks the two release archives, runs the Linux unit
# tests and the Windows tests under Wine, then fuzzes each fuzz target for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

mkdir -p build
for preset in native win64 win32; do
  echo "== build: $preset"
  log="build/$preset.log"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
done

echo "== release archives"
for preset in win64 win32; do
  log="build/$preset-package.log"
  if ! cmake --build --preset "$preset" --target package >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  tools/check-archive.sh build/"$preset"/jukettzrv-*-"$preset".zip
done

status=0
for preset in native win64; do
  echo "== tests: $preset"
  ctest --preset "$preset" || status=1
done

# Coverage-guided fuzzing of every text read from outside: the kept crashes
# first, then each target for a bounded time (fuzz/).
echo "== fuzz"
log=build/fuzz.log
if ! { cmake --preset fuzz && cmake --build --preset fuzz; } >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
ctest --preset fuzz || status=1
cat build/fuzz/fuzz/*/summary.txt 2>/dev/null || true
exit "$status"
