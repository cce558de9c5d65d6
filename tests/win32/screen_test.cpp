// The real desktop's screens: the screen contract on the tests' virtual
// displays, and the real player on a desktop of two monitors, whose slide
// keeps to the monitor the window is on. The displays (wine-run.sh,
// two_monitors_display.sh) have a 1024 x 768 primary, at the DPI
// run_at_dpi.sh set, and the second monitor JUKETT_SECOND_MONITOR names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win32/win32_player.h"
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
    return {1024, 768, dpi ? std::atoi(dpi) : 96,
            side && *side ? std::optional(std::string(side) == "left" ? -1024 : 1024) : std::nullopt};
  }

 private:
  win32::Win32Screen screen_;
};

// The player itself, its title pressed with real pointer input; skipped on
// a display of one monitor.
class TwoMonitorPlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::optional<int> left = screen.Layout().secondLeft;
    if (!left) GTEST_SKIP() << "only on a display of two monitors";
    second = {*left, 0, *left + 1024, 768};
    ASSERT_TRUE(form.Create());
    form.Show();
  }

  void TearDown() override { ReleaseButton(); }

  // Handles the thread's messages until `done` holds, at most `milliseconds`.
  template <typename Done>
  bool PumpUntil(Done done, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
      if (GetTickCount64() > deadline) return false;
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (message.message == WM_LBUTTONDOWN) downs++;
        if (done()) return true;
      }
      Sleep(5);
    }
    return true;
  }

  void PlaceAtPixels(int left, int top) {
    form.SetLeft(left * form.TwipsPerPixel());
    form.SetTop(top * form.TwipsPerPixel());
  }

  RECT Place() {
    RECT place{};
    GetWindowRect(reinterpret_cast<HWND>(form.Handle()), &place);
    return place;
  }

  // A press in the middle of what the desktop shows of the title (from 16 to
  // 193 pixels across), handled to its end: the slide runs inside the
  // press's handler.
  void PressTitle() {
    const RECT place = Place();
    const int desktopLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int desktopRight = desktopLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int shownLeft = std::max<int>(place.left + 16, desktopLeft);
    const int shownRight = std::min<int>(place.left + 193, desktopRight);
    ASSERT_LT(shownLeft + 4, shownRight) << "too little of the title on the desktop";
    ASSERT_TRUE(SetCursorPos((shownLeft + shownRight) / 2, place.top + 5));
    const int before = downs;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    held = true;
    ASSERT_TRUE(PumpUntil([&] { return downs > before; }, 10000)) << "the press never came";
  }

  void ReleaseButton() {
    if (!held) return;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    PumpUntil([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 2000);
    held = false;
  }

  Win32ScreenWorld screen;
  RECT second{};
  win32::Win32Player player;
  win32::Win32PlayerForm& form = player.form;
  int downs = 0;
  bool held = false;
};

TEST_F(TwoMonitorPlayer, AWindowOnTheSecondMonitorStaysThereWhenItsTitleIsPressed) {
  PlaceAtPixels(second.left + 400, 300);
  ASSERT_EQ(Place().left, second.left + 400);
  PressTitle();
  EXPECT_EQ(Place().left, second.left + 400);
  EXPECT_EQ(Place().top, 300);
}

TEST_F(TwoMonitorPlayer, AWindowHalfOffTheSecondMonitorsFarEdgeSlidesBackOntoIt) {
  const bool left = second.left < 0;
  PlaceAtPixels(left ? second.left - 100 : second.right - 100, 300);
  PressTitle();
  EXPECT_EQ(Place().left, left ? second.left : second.right - 209);
  EXPECT_EQ(Place().top, 300);
}

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ScreenContract, Win32ScreenWorld);

}  // namespace jukett::testing
