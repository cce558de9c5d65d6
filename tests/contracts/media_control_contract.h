// What the player relies on from the media control interface, stated once
// and run against the simulated device and the real one. A world type gives
// the port and stages tracks for it:
//   struct World {
//     MediaControl& Media();
//     // A playable track of that name in the world's music folder; its path.
//     std::string AddTrack(std::string_view name);
//     // The path such a track would have, with nothing there.
//     std::string MissingTrack(std::string_view name);
//   };
// The world closes every device before it removes its tracks.
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, MediaControlContract, World).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ports/media_control.h"

namespace jukett {

template <typename World>
class MediaControlContract : public ::testing::Test {
 protected:
  MediaControl& media() { return world.Media(); }
  bool Send(const std::string& command) { return media().SendCommand(command); }
  // Opens the track by its short path under `alias`, as the player does.
  bool Open(const std::string& path, std::string_view alias = "mp3play") {
    return Send("open " + media().ShortPath(path) + " type mpegvideo alias " + std::string(alias));
  }

  World world;
};

TYPED_TEST_SUITE_P(MediaControlContract);

TYPED_TEST_P(MediaControlContract, OpensATrackByItsShortPathUnderOneAliasAtATime) {
  const std::string track = this->world.AddTrack("Lazy Sunday Track.mp3");
  const std::string shortPath = this->media().ShortPath(track);
  ASSERT_NE(shortPath, "");
  EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
  EXPECT_TRUE(this->Open(track));
  EXPECT_TRUE(this->Send("status mp3play mode")) << "an open device answers";
  // The player closes the old device before it opens the next track.
  EXPECT_FALSE(this->Open(track)) << "the alias is taken";
  EXPECT_TRUE(this->Send("close mp3play"));
  EXPECT_FALSE(this->Send("status mp3play mode")) << "a closed device does not";
  EXPECT_TRUE(this->Open(track));
}

TYPED_TEST_P(MediaControlContract, AMissingTrackHasNoShortPathAndDoesNotOpen) {
  const std::string missing = this->world.MissingTrack("gone.mp3");
  EXPECT_EQ(this->media().ShortPath(missing), "");
  EXPECT_FALSE(this->Open(missing)) << "the open the player sends for it";
  EXPECT_FALSE(this->Send("status mp3play mode"));
}

// The player announces a pause, resume or stop only when the device carried
// it out: with nothing open it refuses each.
TYPED_TEST_P(MediaControlContract, PauseResumeAndStopAreRefusedWithNothingOpen) {
  EXPECT_FALSE(this->Send("pause mp3play"));
  EXPECT_FALSE(this->Send("resume mp3play"));
  EXPECT_FALSE(this->Send("stop mp3play"));
  EXPECT_FALSE(this->Send("close mp3play"));
}

// An open device takes pause, resume and stop in any state.
TYPED_TEST_P(MediaControlContract, PauseResumeAndStopAreTakenPlayingPausedAndStopped) {
  ASSERT_TRUE(this->Open(this->world.AddTrack("second.mp3")));
  EXPECT_TRUE(this->Send("play mp3play"));
  EXPECT_TRUE(this->Send("resume mp3play")) << "playing";
  EXPECT_TRUE(this->Send("pause mp3play")) << "playing";
  EXPECT_TRUE(this->Send("pause mp3play")) << "paused";
  EXPECT_TRUE(this->Send("resume mp3play")) << "paused";
  EXPECT_TRUE(this->Send("stop mp3play")) << "playing";
  EXPECT_TRUE(this->Send("stop mp3play")) << "stopped";
}

// A track at its end stays open: the player may still pause, resume and
// stop it. "wait" holds the play command until the track has ended.
TYPED_TEST_P(MediaControlContract, AtTheEndOfATrackPauseResumeAndStopAreTaken) {
  ASSERT_TRUE(this->Open(this->world.AddTrack("short.mp3")));
  ASSERT_TRUE(this->Send("play mp3play wait"));
  EXPECT_TRUE(this->Send("pause mp3play"));
  EXPECT_TRUE(this->Send("resume mp3play"));
  EXPECT_TRUE(this->Send("stop mp3play"));
}

TYPED_TEST_P(MediaControlContract, MuteCommandsAreTakenOnAnOpenDeviceOnly) {
  EXPECT_FALSE(this->Send("set mp3play audio all off"));
  ASSERT_TRUE(this->Open(this->world.AddTrack("LOUD TRACK.MP3")));
  EXPECT_TRUE(this->Send("set mp3play audio all off"));
  EXPECT_TRUE(this->Send("play mp3play"));
  EXPECT_TRUE(this->Send("set mp3play audio all on"));
}

TYPED_TEST_P(MediaControlContract, CloseAllClosesEveryDevice) {
  const std::string track = this->world.AddTrack("second.mp3");
  ASSERT_TRUE(this->Open(track, "other"));
  ASSERT_TRUE(this->Open(track));
  EXPECT_TRUE(this->Send("close all"));
  EXPECT_FALSE(this->Send("status mp3play mode"));
  EXPECT_FALSE(this->Send("status other mode"));
  EXPECT_TRUE(this->Send("close all")) << "with nothing open too";
}

REGISTER_TYPED_TEST_SUITE_P(MediaControlContract, OpensATrackByItsShortPathUnderOneAliasAtATime,
                            AMissingTrackHasNoShortPathAndDoesNotOpen,
                            PauseResumeAndStopAreRefusedWithNothingOpen,
                            PauseResumeAndStopAreTakenPlayingPausedAndStopped,
                            AtTheEndOfATrackPauseResumeAndStopAreTaken,
                            MuteCommandsAreTakenOnAnOpenDeviceOnly, CloseAllClosesEveryDevice);

}  // namespace jukett
