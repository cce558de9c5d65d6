// The real player window and its real handlers, minimised into Wine's tray
// and brought back by clicking the icon with real X pointer input.
#include <gtest/gtest.h>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "platform/win32/win32_media_control.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile_files.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_tray.h"
#include "player/frm_jukett.h"
#include "wine_tray.h"

namespace jukett::testing {
namespace {

class TrayRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!UnderWine()) GTEST_SKIP() << "clicks Wine's own tray window";
    SetProcessDPIAware();
    ASSERT_TRUE(form.Create());
    handlers.Load();  // fills the icon record for this window
    form.Show();
    PumpMessages(200);
    // With no chat client the announcement goes nowhere; the window still goes.
    handlers.Click(Control::Label2);
    PumpMessages(300);
  }

  bool Shown() { return form.Visible() && form.State() == WindowState::Normal; }

  win32::Win32HostWindows windows;
  win32::Win32EventPump events;
  win32::Win32Clock clock;
  win32::Win32Screen screen;
  win32::Win32Tray tray;
  win32::Win32Process process;
  win32::Win32MediaControl media;
  win32::Win32ProfileFiles profiles;
  win32::Win32PlayerForm form{handlers};
  frmJUKETT handlers{{form, screen, tray, process, media, profiles, {windows, events}, clock}};
};

TEST_F(TrayRestore, MinimiseHidesBehindOneIconThatALeftReleaseBringsBack) {
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Minimized);
  ASSERT_EQ(WineTrayIconCount(), 1);

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::kPress), 0);
  PumpMessages(300);
  EXPECT_FALSE(form.Visible()) << "the press alone leaves the window in the tray";

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::kRelease), 0);
  PumpMessages(300);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(WineTrayIconCount(), 0);
}

TEST_F(TrayRestore, ARightClickBringsItBackToo) {
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::kRight), 0);
  PumpMessages(300);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(WineTrayIconCount(), 0);
}

TEST_F(TrayRestore, PointerMovesOverTheIconLeaveItInTheTray) {
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::kMove), 0);
  PumpMessages(300);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(WineTrayIconCount(), 1);
  // Put away: the icon would outlive the test's window otherwise.
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::kLeft), 0);
  PumpMessages(300);
}

}  // namespace
}  // namespace jukett::testing
