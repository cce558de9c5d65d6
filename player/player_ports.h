#pragma once

#include "chathost/host_ports.h"
#include "platform/ports/clock.h"
#include "platform/ports/media_control.h"
#include "platform/ports/player_form.h"
#include "platform/ports/process.h"
#include "platform/ports/profile_files.h"
#include "platform/ports/screen.h"
#include "platform/ports/tray.h"

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
