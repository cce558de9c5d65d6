# shellcheck shell=bash
# Real X pointer input into the player's window and Wine's tray, aimed by
# the window's layout table at the display's DPI. Nothing here waits for what
# the input does: the caller waits for what it wants to see. X delivers the
# input in order, but the player handles a click that comes while it looks
# for the chat room inside that search, so a caller that needs an action
# finished before the next waits for the action's line first. Sourced by
# player_session.sh.

# Twips to whole pixels at the display's DPI, rounded as the program does.
session_pixels() { echo $((($1 * SESSION_DPI + 720) / 1440)); }

# Screen point of a spot inside a control: the control's centre unless a
# pixel offset from its top left is given.
session_point() {
  local name="$1" dx="${2:-}" dy="${3:-}" left top width height x y
  read -r left top width height <<<"${SESSION_CONTROLS[$name]}"
  read -r x y _ _ <<<"$(session_geometry)"
  [ -n "$dx" ] || dx=$(($(session_pixels "$width") / 2))
  [ -n "$dy" ] || dy=$(($(session_pixels "$height") / 2))
  echo "$((x + $(session_pixels "$left") + dx)) $((y + $(session_pixels "$top") + dy))"
}

# Moves there first, as a hand would, then clicks once or twice.
session_click_at() {
  local x="$1" y="$2" kind="${3:-single}"
  xdotool mousemove "$x" "$y"
  if [ "$kind" = double ]; then
    xdotool click --repeat 2 --delay 60 1
  else
    xdotool click 1
  fi
}

session_click() {
  local name="$1" kind="${2:-single}"
  [ -n "${SESSION_CONTROLS[$name]:-}" ] || { session_note "no control $name"; return 1; }
  # shellcheck disable=SC2046 # x and y
  session_click_at $(session_point "$name") "$kind"
}

# Rows start just inside the list's black frame.
session_list_row_point() {
  local list="$1" index="$2"
  session_point "$list" 20 $((1 + index * SESSION_LIST_ROW + SESSION_LIST_ROW / 2))
}

session_click_track() {
  # shellcheck disable=SC2046
  session_click_at $(session_list_row_point File1 "$1") double
}

session_click_folder() {
  # shellcheck disable=SC2046
  session_click_at $(session_list_row_point Dir1 "$1") double
}

# Holds the title strip at its centre, or GRAB_X GRAB_Y pixels from its top
# left, and moves the pointer to the screen point TO_X TO_Y in small steps.
# The pointer stays on the screen, so the window can only go as far off it
# as the grab point lies inside it. Status 0 once the window has followed
# the pointer all the way.
session_drag_title() {
  local to_x="$1" to_y="$2" x y dx dy wx wy steps=10
  read -r x y <<<"$(session_point Label1 "${3:-}" "${4:-}")"
  read -r wx wy _ _ <<<"$(session_geometry)"
  dx=$((to_x - x))
  dy=$((to_y - y))
  xdotool mousemove "$x" "$y" mousedown 1
  for i in $(seq 1 "$steps"); do
    xdotool mousemove "$((x + dx * i / steps))" "$((y + dy * i / steps))"
  done
  xdotool mouseup 1
  session_wait_for 10 session_window_at $((wx + dx)) $((wy + dy))
}

session_tray_click() {
  "$SESSION_TOOLS/wine-tray-click.sh" --index 0 "${1:-left}"
}

# The row of the music folder's first subfolder in the folder list: the list
# shows every folder from the drive's root down to the open one, then the
# open folder's subfolders.
session_subfolder_row() {
  local path="${1:-$SESSION_MUSIC}" parts
  parts="$(tr -cd '/' <<<"${path%/}" | wc -c)"
  echo $((parts + 1))
}
