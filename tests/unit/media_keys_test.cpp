// The media keys: each is its button's click, and Play/Pause asks the device
// which of two buttons it is.
#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

class MediaKeys : public PlayerTest {
 protected:
  MediaKeys() { Start(); }
  std::string Line(TrackEvent event, const std::string& name) const {
    return TrackAnnouncement(event, name);
  }
};

TEST_F(MediaKeys, PlayPausePlaysWhenNoTrackIsOpenAndPausesOrResumesTheOneThatIs) {
  Select(0);
  const struct {
    MediaKey key;
    TrackEvent said;
    const char* track;
  } steps[] = {
      {MediaKey::PlayPause, TrackEvent::Playing, "A Song.MP3"},
      {MediaKey::PlayPause, TrackEvent::Paused, "A Song.MP3"},
      {MediaKey::PlayPause, TrackEvent::Unpaused, "A Song.MP3"},
      {MediaKey::NextTrack, TrackEvent::Playing, "b side.mp3"},
      {MediaKey::PreviousTrack, TrackEvent::Playing, "A Song.MP3"},
      {MediaKey::Stop, TrackEvent::Stopped, "A Song.MP3"},
      {MediaKey::PlayPause, TrackEvent::Playing, "A Song.MP3"},
  };
  std::vector<std::string> said;
  for (const auto& step : steps) {
    frm.MediaKeyPressed(step.key);
    said.push_back(Line(step.said, step.track));
  }
  EXPECT_EQ(Posted(), said);
  EXPECT_EQ(media.PlayingFile(), "C:\\Music\\A Song.MP3");
}

TEST_F(MediaKeys, PlayPauseAfterAFailedOpenTriesToPlayAndPausesNothing) {
  Select(0);
  frm.MediaKeyPressed(MediaKey::PlayPause);
  files.RemoveFile("C:\\Music\\b side.mp3");
  frm.MediaKeyPressed(MediaKey::NextTrack);
  client.ForgetPosted();
  media.ForgetTrace();
  frm.MediaKeyPressed(MediaKey::PlayPause);
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(media.ShortPathsAsked(), std::vector<std::string>{"C:\\Music\\b side.mp3"});
}

}  // namespace
}  // namespace jukett::sim
