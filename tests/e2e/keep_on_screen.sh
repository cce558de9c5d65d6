#!/usr/bin/env bash
# Keep on screen: a window dragged partly off the screen slides back on the
# next press of its title, flush with the edges it crossed.
#   keep_on_screen.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" keep_on_screen

start_player "$SESSION_MUSIC"
session_drag_title $((screen_w - 10)) $((screen_h - 60))
read -r dx dy _ _ <<<"$(session_geometry)"
echo "  dragged to $dx,$dy"
check "dragged partly off the screen" test $((dx + 209)) -gt "$screen_w" -a $((dy + 145)) -gt "$screen_h"
session_screenshot "$SESSION_DIR/04-dragged-off.png"
session_click Label1
check "slid back flush to the right and bottom edges" \
  session_wait_for 10 geometry_is $((screen_w - 209)) $((screen_h - 145)) 209 145
# A press of the title while the slide is still going on would be handled
# inside it.
session_wait_still 20 || fail "the window did not come to rest"
# Held near the title's top left corner, which is 16 px into the window.
session_drag_title 1 1 4 14
read -r dx dy _ _ <<<"$(session_geometry)"
echo "  dragged to $dx,$dy"
check "dragged partly off the left and top" test "$dx" -lt 0 -a "$dy" -lt 0
session_click Label1
check "slid back flush to the left and top edges" session_wait_for 10 geometry_is 0 0 209 145
check "dragging asked nothing of the room" [ "$(lines)" -eq "$n" ]
scenario_done
