#include "player/transport.h"

#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

using Commands = std::vector<std::string>;

Commands PlayCommands(const std::string& shortPath) {
  return {"stop mp3play", "close mp3play", "open " + shortPath + " type mpegvideo alias mp3play",
          "play mp3play"};
}

class Transport : public PlayerTest {
 protected:
  Transport() { Start(); }
  std::string Playing(const std::string& name) const {
    return TrackAnnouncement(TrackEvent::Playing, name);
  }
};

TEST_F(Transport, PlayJoinsWithABackslashAndAnnouncesAfterThePlayCommand) {
  Select(1);
  frm.Click(Control::lbplay);
  EXPECT_EQ(media.ShortPathsAsked(), Commands{"C:\\Music\\b side.mp3"});
  EXPECT_EQ(media.Commands(), PlayCommands(files.ShortPath("C:\\Music\\b side.mp3")));
  EXPECT_EQ(Posted(), Commands{Playing("b side.mp3")});
}

TEST_F(Transport, PlayWithNothingSelectedDoesNothingAtAll) {
  Select(0);
  frm.Click(Control::lbplay);
  frm.Click(Control::lbpause);
  Select(-1);
  media.ForgetTrace();
  client.ForgetPosted();
  frm.Click(Control::lbplay);
  EXPECT_TRUE(media.Commands().empty()) << "the track the user was listening to stays";
  EXPECT_TRUE(media.IsPaused());
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
}

TEST_F(Transport, OnlyATrackThatOpenedIsAnnouncedAsPlaying) {
  files.AddFile("C:\\Music\\empty.mp3");
  form.SetFileListPath(kMusic);  // A Song, b side, empty, Zed
  Select(1);
  frm.Click(Control::lbfoward);
  EXPECT_EQ(form.SelectedIndex(), 2);
  files.RemoveFile("C:\\Music\\A Song.MP3");
  Select(0);
  frm.Click(Control::lbplay);
  EXPECT_FALSE(media.IsOpen());
  EXPECT_TRUE(Posted().empty()) << "an empty file and a vanished one";
  frm.Click(Control::lbfoward);
  EXPECT_EQ(Posted(), Commands{Playing("b side.mp3")});
}

TEST_F(Transport, NextStopsAtTheLastEntryWithoutWrapping) {
  Select(2);
  frm.Click(Control::lbfoward);
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(form.SelectedIndex(), 2);
}

TEST_F(Transport, NextWithNothingSelectedPlaysTheFirstEntry) {
  frm.Click(Control::lbfoward);
  EXPECT_EQ(form.SelectedIndex(), 0);
  EXPECT_EQ(media.Commands(), PlayCommands(files.ShortPath("C:\\Music\\A Song.MP3")));
  EXPECT_EQ(Posted(), Commands{Playing("A Song.MP3")});
}

TEST_F(Transport, NextAndPreviousDoNothingOnAnEmptyList) {
  form.SetDirPath("C:\\Music\\Empty");
  frm.Click(Control::lbfoward);
  frm.Click(Control::lbback);
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(Posted().empty());
}

TEST_F(Transport, PreviousDoesNothingAtTheFirstEntryOrWithNoSelection) {
  frm.Click(Control::lbback);
  Select(0);
  frm.Click(Control::lbback);
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(Posted().empty());
}

TEST_F(Transport, PreviousSelectsTheEntryBeforeAndJoinsWithASlash) {
  Select(2);
  frm.Click(Control::lbback);
  EXPECT_EQ(form.SelectedIndex(), 1);
  EXPECT_EQ(media.ShortPathsAsked(), Commands{"C:\\Music/b side.mp3"});
  EXPECT_EQ(media.Commands(), PlayCommands(files.ShortPath("C:\\Music\\b side.mp3")));
  EXPECT_EQ(Posted(), Commands{Playing("b side.mp3")});
}

TEST_F(Transport, PauseTwiceTogglesTheCaptionAndAnnouncesBoth) {
  Select(0);
  frm.Click(Control::lbplay);
  media.ForgetTrace();
  client.ForgetPosted();
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_EQ(media.Commands(), (Commands{"pause mp3play", "resume mp3play"}));
  EXPECT_EQ(Posted(), (Commands{TrackAnnouncement(TrackEvent::Paused, "A Song.MP3"),
                                TrackAnnouncement(TrackEvent::Unpaused, "A Song.MP3")}));
}

TEST_F(Transport, PauseAndStopDoNothingWithoutASelection) {
  frm.Click(Control::lbpause);
  frm.Click(Control::lbstop);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(Posted().empty());
}

TEST_F(Transport, PlayWhilePausedRestoresThePauseGlyph) {
  Select(0);
  frm.Click(Control::lbpause);
  frm.Click(Control::lbplay);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
}

TEST_F(Transport, NextWhilePausedKeepsThePlayGlyphSoTheNextPauseResumes) {
  Select(0);
  frm.Click(Control::lbplay);
  frm.Click(Control::lbpause);
  frm.Click(Control::lbfoward);
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  media.ForgetTrace();
  frm.Click(Control::lbpause);
  EXPECT_EQ(media.Commands(), Commands{"resume mp3play"});
  EXPECT_EQ(LastPosted(), TrackAnnouncement(TrackEvent::Unpaused, "b side.mp3"));
}

TEST_F(Transport, StopKeepsTheSelectionAndThePauseCaption) {
  Select(1);
  frm.Click(Control::lbplay);
  frm.Click(Control::lbpause);
  media.ForgetTrace();
  frm.Click(Control::lbstop);
  EXPECT_EQ(media.Commands(), (Commands{"stop mp3play", "close all"}));
  EXPECT_EQ(LastPosted(), TrackAnnouncement(TrackEvent::Stopped, "b side.mp3"));
  EXPECT_EQ(form.SelectedIndex(), 1);
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
}

// The device's answer decides: what it refused is not announced.
TEST_F(Transport, NothingIsAnnouncedForATrackThatDidNotOpen) {
  Select(0);
  frm.Click(Control::lbplay);
  client.ForgetPosted();
  files.RemoveFile("C:\\Music\\b side.mp3");
  frm.Click(Control::lbfoward);
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), ";") << "nothing was paused";
  frm.Click(Control::lbstop);
  EXPECT_TRUE(Posted().empty());
  EXPECT_FALSE(media.IsOpen());
}

TEST_F(Transport, AFailedPlayLeavesThePauseButtonAsItWas) {
  Select(0);
  frm.Click(Control::lbplay);
  frm.Click(Control::lbpause);
  client.ForgetPosted();
  files.RemoveFile("C:\\Music\\b side.mp3");
  Select(1);
  frm.Click(Control::lbplay);
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  // Nothing is open to resume: the button says so, and the room hears nothing.
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_TRUE(Posted().empty());
}

TEST_F(Transport, AfterAStopNeitherPauseNorStopIsAnnouncedAgain) {
  Select(0);
  frm.Click(Control::lbplay);
  frm.Click(Control::lbpause);
  frm.Click(Control::lbstop);
  client.ForgetPosted();
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  frm.Click(Control::lbpause);
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  frm.Click(Control::lbstop);
  EXPECT_TRUE(Posted().empty());
}

}  // namespace
}  // namespace jukett::sim
