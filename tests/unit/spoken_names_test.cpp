#include "player/spoken_names.h"

#include <gtest/gtest.h>

#include "player/captions.h"

namespace jukett {
namespace {

// The names in the table's own captions are read from the real window in
// PlayerEndToEnd.ScreenReader; here the other state of each button.
TEST(SpokenNames, AButtonsNameFollowsTheStateItsCaptionShowsATextReadsItsCaption) {
  auto name = [](Control label, std::string_view caption) {
    return SpokenName(LayoutOf(label), caption);
  };
  EXPECT_EQ(name(Control::lbpause, kPauseGlyph), "Pause");
  EXPECT_EQ(name(Control::lbpause, kPlayGlyph), "Resume");
  EXPECT_EQ(name(Control::Label4, kSoundOnCaption), "Mute");
  EXPECT_EQ(name(Control::Label4, kMutedCaption), "Unmute");
  EXPECT_EQ(name(Control::Label5, kShowDirCaption), "Show folders");
  EXPECT_EQ(name(Control::Label5, kHideDirCaption), "Hide folders");
  EXPECT_EQ(name(Control::Label10, "12 mp3's in this dir"), "12 mp3's in this dir");
}

}  // namespace
}  // namespace jukett
