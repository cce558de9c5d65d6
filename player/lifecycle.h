#pragma once

#include "ports/tray.h"
#include "player/player_ports.h"

namespace jukett {

// Before the window is first shown: on top, placed, the room greeted, the
// last music folder back, the count shown. Returns the tray's icon record.
IconRecord StartUp(const PlayerPorts& ports);

// The window unloads: the folder is remembered, the music stops, and the
// program ends here. `dirChanged`: the folder list has moved since the
// program started, to the restored folder or to one the user opened; until
// then a folder in the settings file stays there.
void ShutDown(const PlayerPorts& ports, bool dirChanged);

}  // namespace jukett
