// What the player relies on from the desktop's screens, stated once and run
// against the simulated desktop and the real one. A world gives the port and
// describes the desktop it stands on:
//   struct World {
//     Screen& Port();
//     DesktopLayout Layout();
//   };
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, ScreenContract, World).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "ports/screen.h"

namespace jukett {

// In pixels: the primary screen at 0, 0, the display's DPI, and where there
// is one, the left edge of a second monitor of the primary's size right or
// left of it.
struct DesktopLayout {
  int width, height, dpi;
  std::optional<int> secondLeft;
};

template <typename World>
class ScreenContract : public ::testing::Test {
 protected:
  // A rectangle given in pixels, as its left, top, right and bottom in twips.
  using Edges = std::tuple<float, float, float, float>;
  Edges Twips(int left, int top, int across, int down) {
    return {left * twips, top * twips, (left + across) * twips, (top + down) * twips};
  }
  // The monitor of the player's window, 209 x 145 pixels, placed there.
  Edges MonitorOf(int left, int top) {
    const auto [l, t, r, b] = Twips(left, top, 209, 145);
    const ScreenRect monitor = world.Port().MonitorOf({l, t, r, b});
    return {monitor.left, monitor.top, monitor.right, monitor.bottom};
  }

  World world;
  DesktopLayout desktop = world.Layout();
  float twips = 1440.0f / static_cast<float>(desktop.dpi);
  int width = desktop.width, height = desktop.height;
  // The second monitor, or the primary where there is none.
  int secondLeft = desktop.secondLeft.value_or(0);
  bool onTheLeft = secondLeft < 0;
  Edges primary = Twips(0, 0, width, height), beside = Twips(secondLeft, 0, width, height);
};

TYPED_TEST_SUITE_P(ScreenContract);

TYPED_TEST_P(ScreenContract, ThePrimaryIsMeasuredInTwipsAtTheDisplaysDpi) {
  Screen& screen = this->world.Port();
  EXPECT_EQ(screen.TwipsPerPixelX(), this->twips);
  EXPECT_EQ(screen.Width(), this->width * this->twips);
  EXPECT_EQ(screen.Height(), this->height * this->twips);
}

TYPED_TEST_P(ScreenContract, AWindowOnAMonitorHasThatWholeMonitor) {
  const int second = this->secondLeft, farEdge = this->onTheLeft ? second : second + this->width;
  EXPECT_EQ(this->MonitorOf(300, 200), this->primary);
  EXPECT_EQ(this->MonitorOf(600, this->height - 70), this->primary) << "half below it";
  EXPECT_EQ(this->MonitorOf(second + 400, 300), this->beside);
  EXPECT_EQ(this->MonitorOf(second + 500, this->height - 70), this->beside) << "half below it";
  EXPECT_EQ(this->MonitorOf(farEdge - 100, 300), this->beside) << "half off the desktop's side";
}

// 130 of the window's 209 pixels on the primary, then on the other side.
TYPED_TEST_P(ScreenContract, AWindowAcrossTwoMonitorsHasTheOneHoldingMostOfIt) {
  const int edge = this->onTheLeft ? 0 : this->width, before = this->onTheLeft ? 79 : 130;
  EXPECT_EQ(this->MonitorOf(edge - before, 300), this->primary);
  EXPECT_EQ(this->MonitorOf(edge - (209 - before), 300), this->beside);
}

TYPED_TEST_P(ScreenContract, AWindowOnNoMonitorHasTheNearest) {
  const int beyond =
      this->onTheLeft ? this->secondLeft - 509 : this->secondLeft + this->width + 300;
  EXPECT_EQ(this->MonitorOf(beyond, 300), this->beside) << "beyond the desktop's side";
  EXPECT_EQ(this->MonitorOf(600, this->height + 130), this->primary) << "below";
  EXPECT_EQ(this->MonitorOf(this->secondLeft + 500, this->height + 130), this->beside) << "below";
}

REGISTER_TYPED_TEST_SUITE_P(ScreenContract, ThePrimaryIsMeasuredInTwipsAtTheDisplaysDpi,
                            AWindowOnAMonitorHasThatWholeMonitor,
                            AWindowAcrossTwoMonitorsHasTheOneHoldingMostOfIt,
                            AWindowOnNoMonitorHasTheNearest);

}  // namespace jukett
