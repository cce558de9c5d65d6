#!/usr/bin/env bash
# Start-up: the greeting's two lines a pause apart, then the window, in its
# place, its size and always on top.
#   start_up.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" start_up

first=$(($(lines) + 1))
start_player "$SESSION_MUSIC"
expect_line "$first" "$(status_line on)"
expect_line $((first + 1)) "» user: [$SESSION_SCREEN_NAME] » aol: [9.0]"
on_at=$(($(session_line_ms "$first") - SESSION_LAUNCH_MS))
identity_at=$(($(session_line_ms $((first + 1))) - SESSION_LAUNCH_MS))
echo "  after the launch: on at $on_at ms, identity at $identity_at ms, window at $SESSION_STARTUP_MS ms"
check "identity line at least 0.6 s after on" test $((identity_at - on_at)) -ge 590
check "window shown after both lines" test "$SESSION_LINES_WHEN_SHOWN" -ge $((first + 1))

# The middle of the window at 42.5 % of the screen's height, centred across;
# a half pixel may go either way.
read -r x y w h <<<"$(session_geometry)"
want_x2=$(((screen_w * 15 - 3135) / 15))  # twice the left edge, to keep the half
want_y=$(awk -v sh="$screen_h" 'BEGIN { printf "%.0f", (sh * 15 * 0.85 / 2 - 2175 / 2) / 15 }')
echo "  window at $x,$y size ${w}x$h on ${screen_w}x$screen_h"
check "window 209 x 145 px" test "$w" = 209 -a "$h" = 145
check "window centred across" test $((x * 2 - want_x2)) -ge -1 -a $((x * 2 - want_x2)) -le 1
check "window's middle at 42.5 % of the screen height" [ "$y" = "$want_y" ]
topmost() { xprop -id "$SESSION_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
check "window always on top" topmost
session_screenshot "$SESSION_DIR/01-started.png"
scenario_done
