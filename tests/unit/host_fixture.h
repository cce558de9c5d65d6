#pragma once

#include <gtest/gtest.h>

#include "chathost/host_ports.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_host_client.h"

namespace jukett::sim {

// Whether the program wrote or typed anything into any window.
inline bool SentAnything(const SimDesktop& desktop) {
  for (const auto& message : desktop.Messages()) {
    if (message.kind == SimDesktop::MessageKind::SetText ||
        message.kind == SimDesktop::MessageKind::Char) {
      return true;
    }
  }
  return false;
}

// A simulated desktop with the chat client running on it.
class HostTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  SimHostClient client{desktop};
  HostPorts host{desktop, desktop};
};

// A desktop with no chat client at all.
class NoHostTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  HostPorts host{desktop, desktop};
};

}  // namespace jukett::sim
