#!/usr/bin/env bash
# Runs the window's DPI test, or the tests a filter names, with the Wine
# prefix's display set to another DPI, and always sets the prefix back for
# the tests that follow.
# Usage: run_at_dpi.sh <wine-run.sh> <dpi> <test program> [gtest filter]
set -euo pipefail
run="$1" dpi="$2" program="$3" filter="${4:-PlayerWindow.FollowsTheDisplayDpi}"
key='HKCU\Control Panel\Desktop'

restore() { "$run" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true; }
trap restore EXIT
"$run" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
JUKETT_EXPECT_DPI="$dpi" "$run" "$program" --gtest_filter="$filter"
