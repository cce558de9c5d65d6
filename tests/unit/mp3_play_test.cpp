#include "playback/mp3_play.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_media_control.h"

namespace jukett {
namespace {

using ::testing::ElementsAre;

class Mp3PlayTest : public ::testing::Test {
 protected:
  Mp3PlayTest() {
    files_.AddFile("C:\\Music\\Lazy Sunday.mp3", "tone");
    files_.AddFile("C:\\Music\\second.mp3", "tone");
    files_.AddFile("C:\\My Music\\LOUD TRACK.MP3", "tone");
  }
  sim::SimFileSystem files_;
  sim::SimMediaControl media_{files_};
};

TEST_F(Mp3PlayTest, EachProcedureSendsItsCommandsInOrder) {
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  PauseTrack(media_);
  ResumeTrack(media_);
  TogglePause(media_, true);
  TogglePause(media_, false);
  SetMute(media_, true);
  SetMute(media_, false);
  StopPlayback(media_);
  EXPECT_THAT(media_.Commands(),
              ElementsAre("stop mp3play", "close mp3play",
                          "open C:\\Music\\second.mp3 type mpegvideo alias mp3play", "play mp3play",
                          "pause mp3play", "resume mp3play", "pause mp3play", "resume mp3play",
                          "set mp3play audio all off", "set mp3play audio all on", "stop mp3play",
                          "close all"));
}

TEST_F(Mp3PlayTest, OpensBlankAndCapitalNamesByTheirShortForm) {
  PlayTrack(media_, "C:\\My Music\\LOUD TRACK.MP3", false);
  EXPECT_EQ(media_.Commands()[2], "open C:\\MYMUSI~1\\LOUDTR~1.MP3 type mpegvideo alias mp3play");
  EXPECT_EQ(media_.PlayingFile(), "C:\\My Music\\LOUD TRACK.MP3");
}

TEST_F(Mp3PlayTest, QuotesThePathOnlyWhenTheVolumeKeepsNoShortNames) {
  files_.SetShortNames(false);
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  EXPECT_EQ(media_.Commands()[2], "open C:\\Music\\second.mp3 type mpegvideo alias mp3play");
  PlayTrack(media_, "C:\\My Music\\LOUD TRACK.MP3", false);
  EXPECT_EQ(media_.Commands()[6],
            "open \"C:\\My Music\\LOUD TRACK.MP3\" type mpegvideo alias mp3play");
  EXPECT_EQ(media_.PlayingFile(), "C:\\My Music\\LOUD TRACK.MP3");
}

TEST_F(Mp3PlayTest, PlayOverPlayClosesTheOldDeviceFirst) {
  PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false);
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  EXPECT_EQ(media_.OpenDevices(), 1);
  EXPECT_EQ(media_.PlayingFile(), "C:\\Music\\second.mp3");
  // Were the old device still open, the new open would have failed.
  EXPECT_TRUE(media_.Trace()[6].succeeded);
}

TEST_F(Mp3PlayTest, PlayFromPausedOrEndedPlaysTheNewFile) {
  PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false);
  PauseTrack(media_);
  EXPECT_TRUE(media_.IsPaused());
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  EXPECT_FALSE(media_.IsPaused());
  EXPECT_EQ(media_.PlayingFile(), "C:\\Music\\second.mp3");
  media_.EndTrack();
  EXPECT_EQ(media_.PlayingFile(), "");
  EXPECT_TRUE(media_.IsOpen());
  PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false);
  EXPECT_EQ(media_.PlayingFile(), "C:\\Music\\Lazy Sunday.mp3");
}

TEST_F(Mp3PlayTest, ANewTrackIsMutedOnlyWhenAskedAndBeforeItPlays) {
  PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false);
  SetMute(media_, true);
  EXPECT_TRUE(media_.IsMuted());
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  EXPECT_FALSE(media_.IsMuted()) << "a new device starts with its sound on";
  media_.ForgetTrace();
  EXPECT_TRUE(PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", true));
  EXPECT_TRUE(media_.IsMuted());
  EXPECT_EQ(media_.PlayingFile(), "C:\\Music\\Lazy Sunday.mp3");
  EXPECT_THAT(media_.Commands(),
              ElementsAre("stop mp3play", "close mp3play",
                          "open C:\\Music\\LAZYSU~1.MP3 type mpegvideo alias mp3play",
                          "set mp3play audio all off", "play mp3play"));
}

TEST_F(Mp3PlayTest, ATrackThatCannotBeOpenedStopsTheOldOneAndSaysSo) {
  files_.AddFile("C:\\Music\\empty.mp3");
  EXPECT_TRUE(PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false));
  media_.ForgetTrace();
  EXPECT_FALSE(PlayTrack(media_, "C:\\Music\\gone.mp3", true));
  EXPECT_FALSE(media_.IsOpen());
  EXPECT_THAT(media_.Commands(),
              ElementsAre("stop mp3play", "close mp3play", "open  type mpegvideo alias mp3play"))
      << "nothing is muted or played after a failed open";
  EXPECT_FALSE(PlayTrack(media_, "C:\\Music\\empty.mp3", false));
  EXPECT_FALSE(media_.IsOpen());
}

TEST_F(Mp3PlayTest, CommandsWithNothingOpenChangeNothing) {
  PauseTrack(media_);
  ResumeTrack(media_);
  SetMute(media_, true);
  StopPlayback(media_);
  StopPlayback(media_);
  EXPECT_FALSE(media_.IsOpen());
  EXPECT_EQ(media_.Commands().size(), 7u);
  PlayTrack(media_, "C:\\Music\\second.mp3", false);
  EXPECT_FALSE(media_.IsMuted());
  StopPlayback(media_);
  StopPlayback(media_);
  EXPECT_EQ(media_.OpenDevices(), 0);
}

TEST_F(Mp3PlayTest, StopClosesEveryDeviceNotOnlyTheTrack) {
  media_.SendCommand("open C:\\Music\\second.mp3 type mpegvideo alias other");
  PlayTrack(media_, "C:\\Music\\Lazy Sunday.mp3", false);
  EXPECT_EQ(media_.OpenDevices(), 2);
  StopPlayback(media_);
  EXPECT_EQ(media_.OpenDevices(), 0);
}

TEST(SimMediaControl, RefusesOpenCommandsItCannotParse) {
  sim::SimFileSystem files;
  files.AddFile("C:\\My Music\\a b.mp3", "tone");
  sim::SimMediaControl media(files);
  media.SendCommand("open C:\\My Music\\a b.mp3 type mpegvideo alias mp3play");
  media.SendCommand("open \"C:\\My Music\\a b.mp3 type mpegvideo alias mp3play");
  media.SendCommand("open C:\\MYMUSI~1\\AB~1.MP3 type waveaudio alias mp3play");
  EXPECT_FALSE(media.IsOpen());
  media.SendCommand("OPEN c:\\mymusi~1\\ab~1.mp3 TYPE MPEGVideo ALIAS MP3Play");
  EXPECT_EQ(media.OpenFile(), "C:\\My Music\\a b.mp3");
}

}  // namespace
}  // namespace jukett
