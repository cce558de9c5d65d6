#pragma once

#include "ports/tray.h"
#include "player/player_ports.h"

namespace jukett {

// Where the pointer took hold of the title, inside it, in twips.
struct GrabPoint {
  float x = 0;
  float y = 0;
};

// Press on the title: the window first slides back onto the screen, then the
// press becomes the new grab point.
void TakeHoldOfTitle(const PlayerPorts& ports, GrabPoint& grab, const Pointer& pointer);
// Pointer move over the title: with the left button held the window follows.
void DragByTitle(PlayerForm& form, const GrabPoint& grab, const Pointer& pointer);

void MinimizeToTray(const PlayerPorts& ports, const IconRecord& record);  // Label2
void SwitchOff(const PlayerPorts& ports, const IconRecord& record);       // Label3
void ToggleMute(const PlayerPorts& ports);                                // Label4
void ToggleDirPanel(const PlayerPorts& ports);                            // Label5

// The shell's tray came back (it restarted): an icon the window hides behind
// must be added again, or the window has no way back.
void ReAddTrayIcon(const PlayerPorts& ports, const IconRecord& record);

}  // namespace jukett
