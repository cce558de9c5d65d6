#include "player/sys_tray.h"

#include <cstring>

#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

TEST(IconRecordTest, HoldsTheFirstFormOfTheShellsRecordByteForByte) {
  SimScreen screen{800, 600, 15};
  SimFileSystem files;
  SimPlayerForm form{screen, files, "C:\\"};
  const IconRecord record = MakeIconRecord(form);

  EXPECT_EQ(record.cbSize, sizeof(void*) == 8 ? 104u : 88u);
  EXPECT_EQ(record.hWnd, SimPlayerForm::kHandle);
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 512u);
  EXPECT_EQ(record.hIcon, SimPlayerForm::kIcon);
  const std::string tip(record.szTip, sizeof record.szTip);
  EXPECT_EQ(tip, " juKett ZRV - by kelvor " + std::string(1, '\0') + std::string(39, ' '));
  EXPECT_EQ(std::strlen(record.szTip), 24u);
}

TEST(TrayEventCodeTest, ConvertsTwipsToPixelsRoundingHalvesToEven) {
  EXPECT_EQ(TrayEventCode(514 * 15.0f, kScaleTwips, 15), 514);
  EXPECT_EQ(TrayEventCode(517 * 12.0f, kScaleTwips, 12), 517);
  EXPECT_EQ(TrayEventCode(514.5f * 15, kScaleTwips, 15), 514);
  EXPECT_EQ(TrayEventCode(515.5f * 15, kScaleTwips, 15), 516);
  EXPECT_EQ(TrayEventCode(515.5f, kScalePixels, 15), 516);
}

TEST(TrayEventCodeTest, OnlyReleasesAndTheLeftDoubleClickRestore) {
  for (int code = 512; code <= 521; ++code) {
    EXPECT_EQ(RestoresWindow(code), code == 514 || code == 515 || code == 517) << code;
  }
}

class TrayIcon : public PlayerTest {
 protected:
  TrayIcon() {
    Start();
    frm.Click(Control::Label2);
  }
  void IconEvent(int code) {
    frm.MouseMove(Control::Form, {.buttons = 1, .x = code * 15.0f, .trayIcon = true});
  }
};

TEST_F(TrayIcon, APressAloneDoesNothingTheReleaseRestores) {
  IconEvent(512);
  IconEvent(513);
  EXPECT_FALSE(form.Visible());
  IconEvent(514);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_EQ(form.ForegroundCount(), 1);
  EXPECT_TRUE(tray.Icons().empty());
  EXPECT_EQ(Posted().size(), 1u) << "the restore posts nothing";
}

TEST_F(TrayIcon, ARightReleaseRestoresAndALateDoubleClickChangesNothingMore) {
  IconEvent(516);
  EXPECT_FALSE(form.Visible());
  IconEvent(517);
  EXPECT_TRUE(form.Visible());
  IconEvent(515);
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(tray.Icons().empty());
}

TEST_F(TrayIcon, ASecondStartBringsTheWindowBackAsTheIconDoesAndSaysNothing) {
  frm.StartedAgain();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_EQ(form.ForegroundCount(), 1);
  EXPECT_TRUE(tray.Icons().empty());
  frm.StartedAgain();
  EXPECT_EQ(form.ForegroundCount(), 2) << "a window already out comes to the front";
  EXPECT_TRUE(tray.Icons().empty());
  EXPECT_EQ(Posted().size(), 1u);
}

TEST_F(TrayIcon, IconEventsRefreshTheCountOfTheHiddenWindow) {
  form.SetDirPath("C:\\Music\\Empty");
  IconEvent(512);
  EXPECT_EQ(form.Caption(Control::Label10), "0 mp3's in this dir");
}

// A window wider than 514 pixels (from about 236 DPI on) has real pointer
// moves at the icon's codes.
TEST_F(PlayerTest, RealPointerMovesAtTheIconsCodesRestoreNothing) {
  Start();
  for (int code : {514, 515, 517}) frm.MouseMove(Control::Form, {.x = code * 15.0f});
  EXPECT_EQ(form.ForegroundCount(), 0);
  EXPECT_TRUE(tray.Calls().empty());

  frm.Click(Control::Label2);
  frm.MouseMove(Control::Form, {.buttons = 1, .x = 514 * 15.0f});
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(tray.Icons().size(), 1u);
}

}  // namespace
}  // namespace jukett::sim
