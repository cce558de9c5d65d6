#pragma once

#include "ports/tray.h"
#include "player/player_ports.h"

namespace jukett {

// Before the window is first shown: on top, placed, the room greeted, the
// last music folder back, the count shown. Returns the tray's icon record.
IconRecord StartUp(const PlayerPorts& ports);

// The window unloads: the folder is remembered, the music stops, and the
// program ends here.
void ShutDown(const PlayerPorts& ports);

}  // namespace jukett
