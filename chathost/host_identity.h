#pragma once

#include <string>

#include "chathost/host_ports.h"

namespace jukett {

// The host client's major version from the "What's New" item of its menus:
// "4", "5" (for 5.0 and 6.0), "7", "8", or "9" when none can be found.
std::string HostVersion(HostWindows& windows);

// The signed-on screen name from the welcome window's caption, or "None".
std::string HostScreenName(const HostPorts& host);

}  // namespace jukett
