// The real player on a desktop of two monitors, the second right or left of
// the primary: its slide keeps to the monitor the window is on. Run on such
// a display by two_monitors_display.sh, which names the second monitor's
// side in JUKETT_SECOND_MONITOR; skipped otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sim/sim_screen.h"
#include "platform/win32/win32_player.h"
#include "player/form_layout.h"

namespace jukett::testing {
namespace {

std::string SecondMonitorSide() {
  char side[16] = {};
  GetEnvironmentVariableA("JUKETT_SECOND_MONITOR", side, sizeof side);
  return side;
}

BOOL CALLBACK NoteMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY)) {
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(info.rcMonitor);
  }
  return TRUE;
}

std::vector<RECT> OtherMonitors() {
  std::vector<RECT> found;
  EnumDisplayMonitors(nullptr, nullptr, NoteMonitor, reinterpret_cast<LPARAM>(&found));
  return found;
}

class TwoMonitors : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SecondMonitorSide().empty()) GTEST_SKIP() << "only on a display of two monitors";
    SetProcessDPIAware();
    const std::vector<RECT> others = OtherMonitors();
    ASSERT_EQ(others.size(), 1u) << "Wine started before the second monitor came up?";
    second = others[0];
    ASSERT_EQ(second.left, SecondMonitorSide() == "left" ? -1024 : 1024);
    ASSERT_EQ(second.right - second.left, 1024);
  }

  RECT second{};
};

// The system's choice of monitor and the simulated desktop's agree: most of
// the window, else the nearest.
TEST_F(TwoMonitors, TheMonitorOfAWindowIsTheSameAsInTheSimulation) {
  win32::Win32Screen real;
  sim::SimScreen simulated(1024, 768, real.TwipsPerPixelX());
  simulated.AddMonitor(second.left, second.top, 1024, 768);
  const float twips = real.TwipsPerPixelX();
  const int farEdge = SecondMonitorSide() == "left" ? second.left - 209 : second.right;
  const int beside = SecondMonitorSide() == "left" ? -1 : 1;
  struct Case {
    int left, top;
  };
  for (const Case& place : std::vector<Case>{
           {second.left + 400, 300},        // on the second one
           {farEdge - beside * 100, 300},       // half off its far edge
           {farEdge + beside * 300, 300},       // beyond it, on none
           {-80, 300},                      // across the boundary, either way
           {1024 - 130, 300},
           {second.left + 500, 700},        // half below the bottom
           {600, 900}}) {
    const ScreenRect window = {place.left * twips, place.top * twips, (place.left + 209) * twips,
                               (place.top + 145) * twips};
    const ScreenRect expected = simulated.MonitorOf(window);
    const ScreenRect got = real.MonitorOf(window);
    EXPECT_EQ(got.left, expected.left) << place.left << "," << place.top;
    EXPECT_EQ(got.top, expected.top) << place.left << "," << place.top;
    EXPECT_EQ(got.right, expected.right) << place.left << "," << place.top;
    EXPECT_EQ(got.bottom, expected.bottom) << place.left << "," << place.top;
  }
}

// The player itself, its title pressed with real pointer input.
class TwoMonitorPlayer : public TwoMonitors {
 protected:
  void SetUp() override {
    TwoMonitors::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
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
  const bool left = SecondMonitorSide() == "left";
  PlaceAtPixels(left ? second.left - 100 : second.right - 100, 300);
  PressTitle();
  EXPECT_EQ(Place().left, left ? second.left : second.right - 209);
  EXPECT_EQ(Place().top, 300);
}

}  // namespace
}  // namespace jukett::testing
