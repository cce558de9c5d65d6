#pragma once

#include <string>
#include <string_view>

#include "chathost/host_ports.h"

namespace jukett {

// The window's current text, as it answers text messages: whole, or its
// first `kMaxWindowTextUnits` units when it claims more; empty for 0.
std::string ReadWindowText(HostWindows& windows, Window window);

// The first direct child of `parent` of the same class as `pattern` whose
// caption contains `fragment` without regard to case; 0 when there is none.
Window FindChildByCaption(const HostPorts& host, Window parent, Window pattern,
                          std::string_view fragment);

}  // namespace jukett
