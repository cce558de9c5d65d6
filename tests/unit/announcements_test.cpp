#include "chathost/announcements.h"

#include <gtest/gtest.h>

namespace jukett {
namespace {

// The texts around the value, written out whole as the room receives them.
const std::string kByKelvor =
    "<font face=Arial color=#000000><b>\xC2\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
    "<font color=#000000> by kelvor <b>\xC2\xBB</b> [<b><font color=#BBBBBB>";
const std::string kClose = "</b><font color=#000000>]";

std::string TrackHead(const std::string& word) {
  return "<font face=Arial color=#000000><b>\xC2\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
         "<font color=#000000> " +
         word + " <b>\xC2\xBB</b> [<b><font color=#BBBBBB>";
}

TEST(Announcements, EveryLineIsExactlyAsTheRoomExpectsIt) {
  struct Case {
    std::string actual;
    std::string expected;
  };
  const Case cases[] = {
      {StatusAnnouncement(PlayerStatus::On), kByKelvor + "on" + kClose},
      {StatusAnnouncement(PlayerStatus::Minimized), kByKelvor + "minimized" + kClose},
      {StatusAnnouncement(PlayerStatus::Off), kByKelvor + "off" + kClose},
      {StatusAnnouncement(PlayerStatus::Muted), kByKelvor + "muted" + kClose},
      {StatusAnnouncement(PlayerStatus::Unmuted), kByKelvor + "unmuted" + kClose},
      {StatusAnnouncement(PlayerStatus::DirShown), kByKelvor + "dir shown" + kClose},
      {StatusAnnouncement(PlayerStatus::DirHidden), kByKelvor + "dir hidden" + kClose},
      {CountAnnouncement(0), kByKelvor + "0 mp3's loaded" + kClose},
      {CountAnnouncement(12), kByKelvor + "12 mp3's loaded" + kClose},
      {TrackAnnouncement(TrackEvent::Playing, "Lazy Sunday.mp3"),
       TrackHead("playing") + "Lazy Sunday.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Paused, "a.mp3"), TrackHead("paused") + "a.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Unpaused, "a.mp3"), TrackHead("unpaused") + "a.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Stopped, "a.mp3"), TrackHead("stopped") + "a.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Playing, "Tom & Jerry <live>.mp3"),
       TrackHead("playing") + "Tom & Jerry <live>.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Playing, "Bj\xC3\xB6rk \xE2\x99\xAA.mp3"),
       TrackHead("playing") + "Bj\xC3\xB6rk \xE2\x99\xAA.mp3" + kClose},
      {TrackAnnouncement(TrackEvent::Playing, ""), TrackHead("playing") + kClose},
      {IdentityAnnouncement("kelvor", "7"),
       "<font face=Arial color=#000000><b>\xC2\xBB</b> user: [<b><font color=#BBBBBB>kelvor"
       "</b><font color=#000000>] <b>\xC2\xBB</b> aol: [<b><font color=#BBBBBB>7.0"
       "</b><font color=#000000>]"},
      {IdentityAnnouncement("None", "9"),
       "<font face=Arial color=#000000><b>\xC2\xBB</b> user: [<b><font color=#BBBBBB>None"
       "</b><font color=#000000>] <b>\xC2\xBB</b> aol: [<b><font color=#BBBBBB>9.0"
       "</b><font color=#000000>]"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Announcements, ALineBreakInAValueBecomesABlank) {
  EXPECT_EQ(TrackAnnouncement(TrackEvent::Playing, "a\r\nb\n.mp3"),
            TrackHead("playing") + "a  b .mp3" + kClose);
  EXPECT_EQ(IdentityAnnouncement("\rZRV\nListener", "5"),
            "<font face=Arial color=#000000><b>\xC2\xBB</b> user: [<b><font color=#BBBBBB> ZRV "
            "Listener</b><font color=#000000>] <b>\xC2\xBB</b> aol: [<b><font color=#BBBBBB>5.0"
            "</b><font color=#000000>]");
}

}  // namespace
}  // namespace jukett
