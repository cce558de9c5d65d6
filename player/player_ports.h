#pragma once

#include "chathost/host_ports.h"
#include "ports/clock.h"
#include "ports/media_control.h"
#include "ports/player_form.h"
#include "ports/process.h"
#include "ports/profile_files.h"
#include "ports/screen.h"
#include "ports/tray.h"

namespace jukett {

// Everything the player window's handlers reach: the window itself, the
// screen and tray around it, the media device, the settings file, the chat
// client, the clock and the program.
struct PlayerPorts {
  PlayerForm& form;
  Screen& screen;
  Tray& tray;
  Process& process;
  MediaControl& media;
  ProfileFiles& profiles;
  HostPorts host;
  Clock& clock;
};

}  // namespace jukett
