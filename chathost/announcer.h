#pragma once

#include <cstddef>
#include <functional>

#include "chathost/host_ports.h"
#include "ports/clock.h"

namespace jukett {

// The announcements that come in pairs, with a pause between them. The
// pauses run whether or not a chat room is there to read the lines.

// "on", then the screen name and client version.
void AnnounceStartUp(const HostPorts& host, Clock& clock);
// "dir hidden", then the number of files in the list by then.
void AnnounceDirHidden(const HostPorts& host, Clock& clock,
                       const std::function<std::size_t()>& fileCount);
// "off", then a moment for the line to leave before the program ends.
void AnnounceOff(const HostPorts& host, Clock& clock);

}  // namespace jukett
