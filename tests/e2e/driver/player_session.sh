# shellcheck shell=bash
# One session of juKett ZRV under Wine, driven from outside with real X
# pointer input: a display (the caller's, or a virtual one of its own), the
# build's private Wine prefix, a private PulseAudio null sink where PulseAudio
# is there, a generated music folder, the stand-in chat client with one room,
# and the player started from a scratch program folder so that its settings
# file lands where it can be read. Sourced by the end-to-end tests and by
# tools/run.sh; every function is named session_*, every variable SESSION_*.
#
# Start and stop (session_life.sh):
#   session_start BUILD_DIR WORK_DIR   everything but the player; reads the
#                                      window's layout table
#   session_resume WORK_DIR            take over a session that an earlier
#                                      process started in WORK_DIR, from the
#                                      NAME=value lines of its session.env
#   session_player_start [FOLDER]      start the player with FOLDER as its
#                                      current folder; sets SESSION_PLAYER_PID,
#                                      SESSION_WINDOW, SESSION_STARTUP_MS,
#                                      SESSION_LINES_WHEN_SHOWN, SESSION_DPI
#   session_player_wait_end [SECONDS]  until the player's process has ended
#   session_stop                       end all of it (also on EXIT)
# Input (session_input.sh):
#   session_click NAME [single|double] a control of the window by its name
#   session_click_track INDEX          double-click a row of the track list
#   session_click_folder INDEX         double-click a row of the folder list
#   session_drag_title TO_X TO_Y [GRAB_X GRAB_Y]
#                                      drag the window by its title strip
#   session_tray_click [left|right|double]
# Observation (session_observe.sh):
#   session_wait_for SECONDS COMMAND...  until COMMAND holds
#   session_geometry                   "X Y WIDTH HEIGHT" of the window
#   session_window_visible
#   session_wait_still [SECONDS [STILL_MS]]  until the window holds its place
#   session_wait_painted [SECONDS [WINDOW]]
#                                      until the window's picture holds still
#   session_control_painted NAME       whether a control shows more than black
#   session_tray_icons                 how many icons the tray shows
#   session_screenshot FILE            the whole display, as PNG
#   session_listen [SECONDS]           RMS of what the null sink plays
#   session_wait_sound above|below RMS [SECONDS]
#   session_room                       the room's log as UTF-8 text
#   session_announcements              the same, without the HTML
#   session_room_lines                 how many lines the room holds
#   session_wait_lines COUNT [SECONDS] until the room holds COUNT lines
#   session_line_ms N                  when the room got line N
#   session_mci_commands               what the player sent to MCI

SESSION_WINE=/usr/lib/wine/wine64
SESSION_WINESERVER=/usr/lib/wine/wineserver
SESSION_DRIVER="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SESSION_TOOLS="$(cd "$SESSION_DRIVER/../../../tools" && pwd)"
# shellcheck source=../../../tools/utf8_locale.sh
source "$SESSION_TOOLS/utf8_locale.sh"
SESSION_SCREEN="${SESSION_SCREEN:-1024x768}"
SESSION_SCREEN_NAME="${SESSION_SCREEN_NAME:-ZRV Listener}"
SESSION_TITLE='juKett ZRV - by kelvor'

session_note() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

# Bash's own clock: no process to start, so it can time what it watches.
session_now_ms() { echo $((${EPOCHREALTIME/[.,]/} / 1000)); }

# shellcheck source=session_life.sh
source "$SESSION_DRIVER/session_life.sh"
# shellcheck source=session_input.sh
source "$SESSION_DRIVER/session_input.sh"
# shellcheck source=session_observe.sh
source "$SESSION_DRIVER/session_observe.sh"
