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
    files.AddFile("C:\\Music\\Lazy Sunday.mp3", "tone");
    files.AddFile("C:\\Music\\second.mp3", "tone");
    files.AddFile("C:\\My Music\\LOUD TRACK.MP3", "tone");
  }
  sim::SimFileSystem files;
  sim::SimMediaControl media{files};
};

TEST_F(Mp3PlayTest, EachProcedureSendsItsCommandsInOrder) {
  PlayTrack(media, "C:\\Music\\second.mp3", false);
  PauseTrack(media);
  ResumeTrack(media);
  TogglePause(media, true);
  TogglePause(media, false);
  SetMute(media, true);
  SetMute(media, false);
  StopPlayback(media);
  EXPECT_THAT(media.Commands(),
              ElementsAre("stop mp3play", "close mp3play",
                          "open C:\\Music\\second.mp3 type mpegvideo alias mp3play", "play mp3play",
                          "pause mp3play", "resume mp3play", "pause mp3play", "resume mp3play",
                          "set mp3play audio all off", "set mp3play audio all on", "stop mp3play",
                          "close all"));
}

TEST_F(Mp3PlayTest, OpensBlankAndCapitalNamesByTheirShortForm) {
  PlayTrack(media, "C:\\My Music\\LOUD TRACK.MP3", false);
  EXPECT_EQ(media.Commands()[2], "open C:\\MYMUSI~1\\LOUDTR~1.MP3 type mpegvideo alias mp3play");
  EXPECT_EQ(media.PlayingFile(), "C:\\My Music\\LOUD TRACK.MP3");
}

TEST_F(Mp3PlayTest, QuotesThePathOnlyWhenTheVolumeKeepsNoShortNames) {
  files.SetShortNames(false);
  PlayTrack(media, "C:\\Music\\second.mp3", false);
  EXPECT_EQ(media.Commands()[2], "open C:\\Music\\second.mp3 type mpegvideo alias mp3play");
  PlayTrack(media, "C:\\My Music\\LOUD TRACK.MP3", false);
  EXPECT_EQ(media.Commands()[6],
            "open \"C:\\My Music\\LOUD TRACK.MP3\" type mpegvideo alias mp3play");
  EXPECT_EQ(media.PlayingFile(), "C:\\My Music\\LOUD TRACK.MP3");
}

TEST_F(Mp3PlayTest, PlayOverPlayClosesTheOldDeviceFirst) {
  PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", false);
  PlayTrack(media, "C:\\Music\\second.mp3", false);
  EXPECT_EQ(media.OpenDevices(), 1);
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\second.mp3");
  // Were the old device still open, the new open would have failed.
  EXPECT_TRUE(media.Trace()[6].succeeded);
}

TEST_F(Mp3PlayTest, PlayFromPausedOrEndedPlaysTheNewFile) {
  PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", false);
  PauseTrack(media);
  EXPECT_TRUE(media.IsPaused());
  PlayTrack(media, "C:\\Music\\second.mp3", false);
  EXPECT_FALSE(media.IsPaused());
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\second.mp3");
  media.EndTrack();
  EXPECT_EQ(media.PlayingFile(), "");
  EXPECT_TRUE(media.IsOpen());
  PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", false);
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\Lazy Sunday.mp3");
}

TEST_F(Mp3PlayTest, ANewTrackIsMutedOnlyWhenAskedAndBeforeItPlays) {
  PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", false);
  SetMute(media, true);
  EXPECT_TRUE(media.IsMuted());
  PlayTrack(media, "C:\\Music\\second.mp3", false);
  EXPECT_FALSE(media.IsMuted()) << "a new device starts with its sound on";
  media.ForgetTrace();
  EXPECT_TRUE(PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", true));
  EXPECT_TRUE(media.IsMuted());
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\Lazy Sunday.mp3");
  EXPECT_THAT(media.Commands(),
              ElementsAre("stop mp3play", "close mp3play",
                          "open C:\\Music\\LAZYSU~1.MP3 type mpegvideo alias mp3play",
                          "set mp3play audio all off", "play mp3play"));
}

TEST_F(Mp3PlayTest, ATrackThatCannotBeOpenedStopsTheOldOneAndSaysSo) {
  files.AddFile("C:\\Music\\empty.mp3");
  EXPECT_TRUE(PlayTrack(media, "C:\\Music\\Lazy Sunday.mp3", false));
  media.ForgetTrace();
  EXPECT_FALSE(PlayTrack(media, "C:\\Music\\gone.mp3", true));
  EXPECT_FALSE(media.IsOpen());
  EXPECT_THAT(media.Commands(),
              ElementsAre("stop mp3play", "close mp3play", "open  type mpegvideo alias mp3play"))
      << "nothing is muted or played after a failed open";
  EXPECT_FALSE(PlayTrack(media, "C:\\Music\\empty.mp3", false));
  EXPECT_FALSE(media.IsOpen());
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
