#include "player/window_commands.h"

#include "player/form_layout.h"
#include "player/sys_tray.h"
#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

class WindowCommands : public PlayerTest {
 protected:
  WindowCommands() {
    Start();
    form.PlaceAtPixels(400, 300);
  }
};

TEST_F(WindowCommands, TheDirPanelOpensAndAnnouncesOnce) {
  frm.Click(Control::Label5);
  EXPECT_EQ(form.Height(), kTallHeight);
  EXPECT_EQ(form.Caption(Control::Label5), "hide dir");
  EXPECT_EQ(Posted(), std::vector<std::string>{StatusAnnouncement(PlayerStatus::DirShown)});
}

TEST_F(WindowCommands, HidingTheDirPanelCountsTheFilesAfterThePause) {
  frm.Click(Control::Label5);
  // A folder opened meanwhile: the count is read when the second line goes out.
  desktop.PostAt(desktop.Now() + 0.3, [&] { form.SetDirPath("C:\\Music\\Empty"); });
  frm.Click(Control::Label5);
  EXPECT_EQ(form.Height(), kShortHeight);
  EXPECT_EQ(form.Caption(Control::Label5), "show dir");
  ASSERT_EQ(client.Posted().size(), 3u);
  EXPECT_EQ(client.Posted()[1].text, StatusAnnouncement(PlayerStatus::DirHidden));
  EXPECT_EQ(client.Posted()[2].text, CountAnnouncement(0));
  EXPECT_GE(client.Posted()[2].at - client.Posted()[1].at, 0.6);
}

TEST_F(WindowCommands, TheDirPanelIgnoresAnyOtherHeight) {
  form.SetHeight(3000);
  frm.Click(Control::Label5);
  EXPECT_EQ(form.Height(), 3000);
  EXPECT_EQ(form.Caption(Control::Label5), "show dir");
  EXPECT_TRUE(Posted().empty());
}

TEST_F(WindowCommands, MuteTogglesCaptionCommandAndAnnouncement) {
  frm.Click(Control::Label4);
  EXPECT_EQ(form.Caption(Control::Label4), " un");
  frm.Click(Control::Label4);
  EXPECT_EQ(form.Caption(Control::Label4), " m");
  EXPECT_EQ(media.Commands(),
            (std::vector<std::string>{"set mp3play audio all off", "set mp3play audio all on"}));
  EXPECT_EQ(Posted(), (std::vector<std::string>{StatusAnnouncement(PlayerStatus::Muted),
                                                StatusAnnouncement(PlayerStatus::Unmuted)}));
}

TEST_F(WindowCommands, WhileMutedEveryTrackThatStartsIsMutedToo) {
  Select(0);
  frm.DblClick(Control::File1);
  frm.Click(Control::Label4);
  frm.Click(Control::lbfoward);
  EXPECT_TRUE(media.IsMuted()) << "next";
  frm.Click(Control::lbplay);
  EXPECT_TRUE(media.IsMuted()) << "play";
  frm.Click(Control::lbback);
  EXPECT_TRUE(media.IsMuted()) << "previous";
  frm.DblClick(Control::File1);
  EXPECT_TRUE(media.IsMuted()) << "double-click";
  EXPECT_EQ(form.Caption(Control::Label4), " un");
  frm.Click(Control::Label4);
  EXPECT_FALSE(media.IsMuted());
  EXPECT_EQ(LastPosted(), StatusAnnouncement(PlayerStatus::Unmuted));
  frm.Click(Control::lbfoward);
  EXPECT_FALSE(media.IsMuted()) << "unmuted, a new track is heard";
}

TEST_F(WindowCommands, MinimizeAnnouncesFirstThenHidesBehindOneIcon) {
  // The room's Enter key sees whether the window is still shown as the line goes out.
  const Window input = client.ChatInput(room);
  std::vector<std::pair<std::string, bool>> sent;
  desktop.OnChar(input, [&](char c) {
    if (c == '\r') sent.emplace_back(desktop.TextOf(input), form.Visible());
  });
  frm.Click(Control::Label2);
  EXPECT_EQ(sent, (std::vector<std::pair<std::string, bool>>{
                      {StatusAnnouncement(PlayerStatus::Minimized), true}}));
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Minimized);
  ASSERT_EQ(tray.Icons().size(), 1u);
  EXPECT_EQ(tray.Icons()[0].hWnd, form.Handle());
}

TEST_F(WindowCommands, AMinimizeTheWindowRefusesLeavesItShownWithoutIcon) {
  form.RefuseMinimize(true);
  frm.Click(Control::Label2);
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(tray.Icons().empty());
}

TEST_F(WindowCommands, AnIconTheShellRefusesBringsTheWindowBack) {
  tray.RefuseIcons(true);
  frm.Click(Control::Label2);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Normal);
}

TEST_F(WindowCommands, TheIconComesBackWhenTheShellRestarts) {
  frm.Click(Control::Label2);
  tray.ForgetIcons();
  frm.TaskbarCreated();
  EXPECT_EQ(tray.Icons().size(), 1u);
  // A shown window has no icon to put back.
  frm.MouseMove(Control::Form, {.x = 514 * 15.0f, .trayIcon = true});
  tray.ForgetIcons();
  frm.TaskbarCreated();
  EXPECT_TRUE(tray.Icons().empty());
}

TEST_F(WindowCommands, OffAnnouncesWaitsRemovesTheIconSavesAndEnds) {
  frm.Click(Control::Label2);
  const double before = desktop.Now();
  EXPECT_TRUE(Ends([&] { frm.Click(Control::Label3); }));
  EXPECT_EQ(LastPosted(), StatusAnnouncement(PlayerStatus::Off));
  EXPECT_GE(desktop.Now() - before, 0.4);
  EXPECT_TRUE(tray.Icons().empty());
  EXPECT_EQ(StoredFolder(), "C:\\Music");
  EXPECT_EQ(process.EndCount(), 1) << "nothing runs after the unload ends the program";
}

TEST_F(WindowCommands, OffWithNoChatClientStillEnds) {
  desktop.RemoveWindow(client.Frame());
  EXPECT_TRUE(Ends([&] { frm.Click(Control::Label3); }));
}

TEST_F(WindowCommands, DragFollowsThePointerWithTheLeftButtonOnly) {
  frm.MouseDown(Control::Label1, {.buttons = 1, .x = 900, .y = 120});
  const float left = form.Left();
  const float top = form.Top();
  frm.MouseMove(Control::Label1, {.buttons = 2, .x = 1500, .y = 420});
  EXPECT_EQ(form.Left(), left);
  frm.MouseMove(Control::Label1, {.buttons = 1, .x = 1500, .y = 420});
  EXPECT_EQ(form.Left(), left + 600);
  EXPECT_EQ(form.Top(), top + 300);
}

TEST_F(WindowCommands, APressSlidesTheWindowBackBeforeTakingTheGrabPoint) {
  form.PlaceAtPixels(200, -40);
  // A drag move that arrives during the slide still uses the old grab point (0, 0).
  bool moved = false;
  desktop.Post([&] {
    frm.MouseMove(Control::Label1, {.buttons = 1, .x = 0, .y = 0});
    moved = true;
  });
  frm.MouseDown(Control::Label1, {.buttons = 1, .x = 900, .y = 120});
  EXPECT_TRUE(moved);
  EXPECT_EQ(form.Top(), 0);
  const float left = form.Left();
  frm.MouseMove(Control::Label1, {.buttons = 1, .x = 915, .y = 120});
  EXPECT_EQ(form.Left(), left + 15);
}

TEST_F(WindowCommands, AClickHandledDuringTheOffPauseRunsBeforeTheEnd) {
  desktop.PostAt(desktop.Now() + 0.2, [&] { frm.Click(Control::Label4); });
  EXPECT_TRUE(Ends([&] { frm.Click(Control::Label3); }));
  EXPECT_EQ(form.Caption(Control::Label4), " un");
  EXPECT_EQ(media.Commands().back(), "close all");
}

}  // namespace
}  // namespace jukett::sim
