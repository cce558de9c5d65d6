#include "player/track_list.h"

#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

class TrackList : public PlayerTest {
 protected:
  TrackList() { Start(); }
};

TEST_F(TrackList, CountLabelHasOneWordingForEveryCount) {
  EXPECT_EQ(CountLabelText(0), "0 mp3's in this dir");
  EXPECT_EQ(CountLabelText(1), "1 mp3's in this dir");
  EXPECT_EQ(CountLabelText(12), "12 mp3's in this dir");
}

TEST_F(TrackList, AFolderChangeMovesTheFilesButNotTheCountUntilTheNextRefresh) {
  Select(0);
  form.SetDirPath("C:\\Music\\Empty");
  EXPECT_EQ(form.FileCount(), 0);
  EXPECT_EQ(form.SelectedIndex(), -1);
  EXPECT_EQ(form.Caption(Control::Label10), "3 mp3's in this dir");
  frm.MouseMove(Control::Dir1, {});
  EXPECT_EQ(form.Caption(Control::Label10), "0 mp3's in this dir");
}

TEST_F(TrackList, AFolderChangeLeavesTheMusicPlaying) {
  Select(0);
  frm.DblClick(Control::File1);
  media.ForgetTrace();
  form.SetDirPath("C:\\Music\\Empty");
  EXPECT_TRUE(media.Commands().empty());
}

TEST_F(TrackList, DoubleClickWhilePausedPlaysWithThePauseGlyphBack) {
  Select(0);
  frm.Click(Control::lbpause);
  Select(2);
  media.ForgetTrace();
  frm.DblClick(Control::File1);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_EQ(media.Commands()[2],
            "open " + files.ShortPath("C:\\Music\\Zed.mp3") + " type mpegvideo alias mp3play");
  EXPECT_EQ(LastPosted(), TrackAnnouncement(TrackEvent::Playing, "Zed.mp3"));
}

TEST_F(TrackList, DoubleClickOnTheTrackThatPlaysRestartsAndAnnouncesAgain) {
  Select(1);
  frm.DblClick(Control::File1);
  frm.DblClick(Control::File1);
  const std::vector<std::string> commands = media.Commands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "play mp3play"), 2);
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\b side.mp3");
  EXPECT_EQ(Posted().size(), 2u);
}

TEST_F(TrackList, AVanishedTrackStopsTheMusicButIsNotAnnounced) {
  Select(0);
  frm.DblClick(Control::File1);
  frm.Click(Control::lbpause);
  client.ForgetPosted();
  Select(2);
  files.RemoveFile("C:\\Music\\Zed.mp3");
  frm.DblClick(Control::File1);
  EXPECT_EQ(media.Commands().back(), "open  type mpegvideo alias mp3play");
  EXPECT_FALSE(media.IsOpen());
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(form.Caption(Control::lbpause), "4") << "as it was before the failed open";
}

TEST_F(TrackList, ADoubleClickWithoutASelectionDoesNothingAtAll) {
  Select(0);
  frm.DblClick(Control::File1);
  frm.Click(Control::lbpause);
  media.ForgetTrace();
  client.ForgetPosted();
  Select(-1);
  frm.DblClick(Control::File1);
  form.SetDirPath("C:\\Music\\Empty");
  frm.DblClick(Control::File1);
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
}

TEST_F(TrackList, AtADriveRootTheTrackPathHoldsTwoBackslashes) {
  files.AddFile("D:\\Root Song.mp3", "tone");
  form.SetDirPath("D:\\");
  Select(0);
  EXPECT_EQ(TrackPath(form, '\\'), "D:\\\\Root Song.mp3");
}

}  // namespace
}  // namespace jukett::sim
