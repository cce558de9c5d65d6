// The real player window and its real handlers, minimised into Wine's tray
// and brought back by clicking the icon with real X pointer input.
#include <gtest/gtest.h>

#include "platform/win32/win32_player.h"
#include "tests/win32/wine_tray.h"

namespace jukett::testing {
namespace {

class TrayRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!UnderWine()) GTEST_SKIP() << "clicks Wine's own tray window";
    SetProcessDPIAware();
    // Run at other DPIs too, which must then really be in force.
    wchar_t dpi[16] = {};
    if (GetEnvironmentVariableW(L"JUKETT_EXPECT_DPI", dpi, 16) != 0) {
      ASSERT_EQ(form.TwipsPerPixel(), 1440.0f / static_cast<float>(_wtoi(dpi)));
    }
    ASSERT_TRUE(form.Create());
    handlers.Load();  // fills the icon record for this window
    form.Show();
    PumpMessages(200);
    // With no chat client the announcement goes nowhere; the window still goes.
    handlers.Click(Control::Label2);
    PumpMessages(300);
  }

  bool Shown() { return form.Visible() && form.State() == WindowState::Normal; }

  win32::Win32Player player;
  win32::Win32PlayerForm& form = player.form;
  frmJUKETT& handlers = player.handlers;
};

TEST_F(TrayRestore, MinimiseHidesBehindOneIconThatALeftReleaseBringsBack) {
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Minimized);
  ASSERT_EQ(WineTrayIconCount(), 1);

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Press), 0);
  PumpMessages(300);
  EXPECT_FALSE(form.Visible()) << "the press alone leaves the window in the tray";

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Release), 0);
  PumpMessages(300);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(WineTrayIconCount(), 0);
}

TEST_F(TrayRestore, ARightClickBringsItBackToo) {
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Right), 0);
  PumpMessages(300);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(WineTrayIconCount(), 0);
}

TEST_F(TrayRestore, PointerMovesOverTheIconLeaveItInTheTray) {
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Move), 0);
  PumpMessages(300);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(WineTrayIconCount(), 1);
  // Put away: the icon would outlive the test's window otherwise.
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Left), 0);
  PumpMessages(300);
}

}  // namespace
}  // namespace jukett::testing
