#!/usr/bin/env bash
# Runs one fuzz target: first every input kept in regressions/<target>/ (each
# once, as a test), then coverage-guided fuzzing for a bounded time from a
# copy of corpus/<target>/ in the build folder, so the repository's seeds
# never grow. Prints how many inputs it ran; a crash leaves the input in the
# build folder and fails the test.
#
#   run_fuzzer.sh FUZZER SOURCE_DIR TARGET WORK_DIR SECONDS
set -euo pipefail
fuzzer=$1 sources=$2 target=$3 work=$4 seconds=$5

rm -rf "$work"
mkdir -p "$work/corpus" "$work/crashes"

replayed=0
regressions=("$sources/regressions/$target"/*)
if [ -e "${regressions[0]}" ]; then
  if ! "$fuzzer" "${regressions[@]}" >"$work/regressions.log" 2>&1; then
    cat "$work/regressions.log"
    echo "$target: a kept regression input fails again"
    exit 1
  fi
  replayed=${#regressions[@]}
fi

cp "$sources/corpus/$target"/* "$work/corpus/"
if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/crashes/" "$work/corpus" >"$work/fuzz.log" 2>&1; then
  tail -n 60 "$work/fuzz.log"
  echo "$target: fuzzing found a fault; the input is in $work/crashes/"
  echo "  keep it as a regression case in fuzz/regressions/$target/"
  exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
echo "$target: $runs executions in $seconds s, $replayed kept crash inputs replayed, no fault" |
  tee "$work/summary.txt"
