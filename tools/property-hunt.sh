#!/usr/bin/env bash
# A longer hunt with the generated player sequences than the test command
# runs: SEQUENCES of them (default 20000) from a fresh seed, or from SEED.
# A failure prints the shrunk sequence; keep it in
# tests/unit/player_properties_test.cpp as a named sequence once mended.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset native >/dev/null
cmake --build --preset native --target player_properties >/dev/null
sequences="${SEQUENCES:-20000}"
seed="${SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}"
echo "player sequences: $sequences from seed $seed"
RC_PARAMS="max_success=$sequences seed=$seed max_size=100" \
  build/native/tests/unit/player_properties --gtest_filter='PlayerProperties.*'
