#include "player/spoken_names.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "player/captions.h"

namespace jukett {
namespace {

TEST(SpokenNames, EachLabelSaysWhatItDoesInTheStateItsCaptionShows) {
  struct Case {
    Control label;
    std::string_view caption;
    std::string_view name;
  };
  const Case cases[] = {
      {Control::lbback, "9", "Back"},
      {Control::lbstop, "<", "Stop"},
      {Control::lbplay, "4", "Play"},
      {Control::lbpause, kPauseGlyph, "Pause"},
      {Control::lbpause, kPlayGlyph, "Resume"},
      {Control::lbfoward, ":", "Forward"},
      {Control::Label4, kSoundOnCaption, "Mute"},
      {Control::Label4, kMutedCaption, "Unmute"},
      {Control::Label5, kShowDirCaption, "Show folders"},
      {Control::Label5, kHideDirCaption, "Hide folders"},
      {Control::Label2, "_", "Minimise"},
      {Control::Label3, "\u00D7", "Close"},
      // The texts read what they show.
      {Control::Label10, "12 files", "12 files"},
      {Control::Label1, kFormTitle, kFormTitle},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpokenName(LayoutOf(c.label), c.caption), c.name) << LayoutOf(c.label).name;
  }
}

TEST(SpokenNames, ReadingOrderGoesRowByRowLeftToRight) {
  const std::vector<Control> expected{
      Control::Label2, Control::Label1,  Control::Label3,   Control::File1, Control::lbback,
      Control::lbstop, Control::lbplay,  Control::lbpause,  Control::lbfoward,
      Control::Label10, Control::Label5, Control::Label4,   Control::Dir1};
  const auto order = ReadingOrder();
  EXPECT_EQ(std::vector<Control>(order.begin(), order.end()), expected);
}

}  // namespace
}  // namespace jukett
