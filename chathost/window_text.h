#pragma once

#include <string>
#include <string_view>

#include "chathost/host_ports.h"

namespace jukett {

// The window's whole current text, as it answers text messages; empty for 0.
std::string ReadWindowText(HostWindows& windows, Window window);

// The first direct child of `parent` of the same class as `pattern` whose
// caption contains `fragment` without regard to case; 0 when there is none.
Window FindChildByCaption(const HostPorts& host, Window parent, Window pattern,
                          std::string_view fragment);

}  // namespace jukett
