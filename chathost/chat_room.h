#pragma once

#include "chathost/host_ports.h"

namespace jukett {

// The first "AOL Child" of the host client that is a chat room, or 0.
Window FindChatRoom(const HostPorts& host);

// The room's chat input: its first "RICHCNTL" child, or 0.
Window FindChatInput(HostWindows& windows, Window room);

// The input of `room` the host version types into: the second "RICHCNTL"
// for version 5, the first otherwise; 0 when there is none. It reads the
// client's menus but handles no events.
Window InputToClear(HostWindows& windows, Window room);

// Empties the input the host version types into.
void ClearChatInput(const HostPorts& host);

}  // namespace jukett
