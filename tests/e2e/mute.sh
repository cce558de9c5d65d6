#!/usr/bin/env bash
# Mute and unmute: the room's lines and the commands that reach MCI. Wine's
# device takes the mute without muting, so the sound is not checked here;
# KnownWineGap.RealSound.mute-sound holds what it should do.
#   mute.sh BUILD_DIR
set -uo pipefail
# shellcheck source=e2e_checks.sh
source "$(dirname "$0")/e2e_checks.sh" "$1" mute

mute_commands_sent() {
  session_mci_commands | grep '^set mp3play audio all' | tr '\n' '|' |
    grep -qx 'set mp3play audio all off|set mp3play audio all on|'
}

start_player "$SESSION_MUSIC"
session_click_track 0
expect_line $((n += 1)) "$(track_line playing "${SESSION_TRACKS[0]}")"
session_click Label4
expect_line $((n += 1)) "$(status_line muted)"
session_click Label4
expect_line $((n += 1)) "$(status_line unmuted)"
check "MCI got the mute and then the unmute" mute_commands_sent
scenario_done
