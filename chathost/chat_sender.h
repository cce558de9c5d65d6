#pragma once

#include <string_view>

#include "chathost/host_ports.h"

namespace jukett {

// Posts one line into the host client's open chat room, as if typed there and
// sent with Enter. Fire and forget: when there is no room, nothing happens.
void SendChat(const HostPorts& host, std::string_view text);

}  // namespace jukett
