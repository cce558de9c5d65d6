#!/usr/bin/env bash
# Checks the naming rule of .clang-tidy over one build's sources:
#   tools/check-naming.sh native   the core, the simulated desktop, unit tests
#   tools/check-naming.sh win64    the Windows side: adapters, program,
#                                  stand-in client, Windows tests
# The build must be configured (it reads its compile_commands.json). Exits
# non-zero when a name breaks the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-native}"
ours='^/.*/(app|bench|chathost|platform|player|playback|ports|tests|tools|util)/'
args=()
if [[ "$preset" != native ]]; then
  # clang reads the MinGW headers as the cross compiler sees them; GCC's own
  # intrinsics headers are left to clang's.
  triple=x86_64-w64-mingw32
  gcc_dir="$(dirname "$("$triple-g++" -print-libgcc-file-name)")"
  args+=("-extra-arg=--target=$triple")
  for dir in "$gcc_dir/include/c++" "$gcc_dir/include/c++/$triple" \
             "$gcc_dir/include/c++/backward" "/usr/$triple/include"; do
    args+=("-extra-arg=-isystem$dir")
  done
  ours='^/.*/(app|bench|platform/win32|tests/win32|tools)/'
fi

output="$(run-clang-tidy -p "build/$preset" -quiet "${args[@]}" "$ours" 2>&1)" || true
# Only the naming rule counts: whether the code compiles is the compiler's
# to say, and clang does not read every MinGW header the way GCC does.
if grep 'readability-identifier-naming' <<<"$output"; then
  exit 1
fi
echo "naming: all of build/$preset's sources follow the rule"
