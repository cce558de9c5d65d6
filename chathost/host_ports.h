#pragma once

#include "ports/event_pump.h"
#include "ports/host_windows.h"

namespace jukett {

// What the chat host helpers need of the platform: the host client's windows,
// and the own event queue, which is pumped between the candidates of a search
// so the player stays responsive.
struct HostPorts {
  HostWindows& windows;
  EventPump& events;
};

}  // namespace jukett
