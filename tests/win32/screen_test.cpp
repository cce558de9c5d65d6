// The screen contract on the real desktop of the tests' virtual displays
// (wine-run.sh, two_monitors_display.sh): a 1024 x 768 primary, at the DPI
// run_at_dpi.sh set, and the second monitor JUKETT_SECOND_MONITOR names. How
// the slide keeps to the monitor the screen names: KeepOnScreenTest.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/win32/win32_screen.h"
#include "tests/contracts/screen_contract.h"

namespace jukett::testing {
namespace {

class Win32ScreenWorld {
 public:
  Win32ScreenWorld() { SetProcessDPIAware(); }
  Screen& Port() { return screen_; }
  DesktopLayout Layout() {
    const char* dpi = std::getenv("JUKETT_EXPECT_DPI");
    const char* side = std::getenv("JUKETT_SECOND_MONITOR");
    std::optional<int> secondLeft;
    if (side && *side) secondLeft = std::string(side) == "left" ? -1024 : 1024;
    return {1024, 768, dpi ? std::atoi(dpi) : 96, secondLeft};
  }

 private:
  win32::Win32Screen screen_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ScreenContract, Win32ScreenWorld);

}  // namespace jukett::testing
