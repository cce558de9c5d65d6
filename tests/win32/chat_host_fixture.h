// The chat client's windows as the player reaches them through the real
// user32 adapters, for the tests that stage a stand-in client.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "chathost/chat_room.h"
#include "chathost/host_ports.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"

namespace jukett::testing {

// An announcement as the player puts it together, in UTF-8, and the bytes the
// room must log for it: "»" as the single byte 0xBB.
inline const std::string kAnnouncement =
    "<font face=Arial color=#000000><b>\xC2\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
    "<font color=#000000> by kelvor <b>\xC2\xBB</b> [<b><font color=#BBBBBB>on</b>"
    "<font color=#000000>]";
inline const std::string kLoggedAnnouncement =
    "<font face=Arial color=#000000><b>\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
    "<font color=#000000> by kelvor <b>\xBB</b> [<b><font color=#BBBBBB>on</b>"
    "<font color=#000000>]\n";

class ChatHost : public ::testing::Test {
 protected:
  Window FirstInput() { return FindChatInput(windows, FindChatRoom(host)); }

  win32::Win32HostWindows windows;
  win32::Win32EventPump events;
  HostPorts host{windows, events};
};

}  // namespace jukett::testing
