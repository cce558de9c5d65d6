#pragma once

#include "player/player_ports.h"

namespace jukett {

// The five transport buttons. The selection of `File1` is the current track
// and the caption of `lbpause` the only memory of a pause; each command does
// its playback work first and then tells the room. Without a selection none
// of them does anything, and only what the device did is announced: not a
// track that could not be opened, nor a pause, resume or stop it refused.
void PlaySelectedTrack(const PlayerPorts& ports);   // lbplay
void PauseOrResumeTrack(const PlayerPorts& ports);  // lbpause
void StopSelectedTrack(const PlayerPorts& ports);   // lbstop
void PlayNextTrack(const PlayerPorts& ports);       // lbfoward
void PlayPreviousTrack(const PlayerPorts& ports);   // lbback

}  // namespace jukett
