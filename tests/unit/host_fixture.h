#pragma once

#include <gtest/gtest.h>

#include "chathost/host_ports.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_host_client.h"

namespace jukett::sim {

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
