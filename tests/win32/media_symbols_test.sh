#!/usr/bin/env bash
# The transport buttons in the build's Wine prefix, which has Wine's own
# Webdings, and in a scratch prefix without any Webdings, as every Wine
# user's default prefix is: both runs must draw the five symbols, and the
# two pictures must be alike.
# Usage: media_symbols_test.sh <wine-run.sh> <test program> <scratch folder>
set -euo pipefail
run="$1" program="$2" scratch="$3"
filter=MediaSymbols.TheButtonsNeverShowTheSymbolFontsOwnCharacters
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

mkdir -p "$scratch"
rm -f "$scratch/with.txt" "$scratch/without.txt"
JUKETT_MEDIA_SYMBOLS="$(windows_path "$scratch/with.txt")" "$run" "$program" --gtest_filter="$filter"

export WINEPREFIX="$scratch/prefix"
"$run" --prepare-only
rm -f "$WINEPREFIX/drive_c/windows/Fonts/webdings.ttf"
JUKETT_MEDIA_SYMBOLS="$(windows_path "$scratch/without.txt")" "$run" "$program" --gtest_filter="$filter"

with_face=$(head -n 1 "$scratch/with.txt")
without_face=$(head -n 1 "$scratch/without.txt")
echo "with Webdings: $with_face; without: $without_face"
# Otherwise the second prefix did not lack the face, and proves nothing.
[ "$with_face" = "face Webdings" ] && [ "$without_face" != "face Webdings" ] || exit 1
if ! cmp -s <(tail -n +2 "$scratch/with.txt") <(tail -n +2 "$scratch/without.txt"); then
  echo "the buttons differ between the two prefixes:"
  diff <(tail -n +2 "$scratch/with.txt") <(tail -n +2 "$scratch/without.txt") | head -n 20
  exit 1
fi
