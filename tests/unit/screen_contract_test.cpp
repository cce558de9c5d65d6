// The screen contract against simulated desktops of the shapes the real one
// is tested on: one monitor, or a second right or left, at several DPIs.
#include "tests/contracts/screen_contract.h"

#include "platform/sim/sim_screen.h"

namespace jukett {
namespace {

template <int Dpi, int SecondLeft = 0>
struct SimScreenWorld {
  SimScreenWorld() {
    if (SecondLeft != 0) screen.AddMonitor(SecondLeft, 0, 1024, 768);
  }
  Screen& Port() { return screen; }
  DesktopLayout Layout() {
    return {1024, 768, Dpi, SecondLeft != 0 ? std::optional(SecondLeft) : std::nullopt};
  }

  sim::SimScreen screen{1024, 768, 1440.0f / Dpi};
};

using Desktops =
    ::testing::Types<SimScreenWorld<96>, SimScreenWorld<96, -1024>, SimScreenWorld<96, 1024>,
                     SimScreenWorld<120>, SimScreenWorld<192, -1024>, SimScreenWorld<288, 1024>>;
INSTANTIATE_TYPED_TEST_SUITE_P(Sim, ScreenContract, Desktops);

}  // namespace
}  // namespace jukett
