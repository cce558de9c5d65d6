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
  // A monitor or a window as left, top, right and bottom edges in twips.
  using Edges = std::tuple<float, float, float, float>;
  Edges InTwips(int left, int top, int width, int height) {
    return {left * twips, top * twips, (left + width) * twips, (top + height) * twips};
  }
  Edges Primary() { return InTwips(0, 0, layout.width, layout.height); }
  // The second monitor, or the primary where there is none.
  int SecondLeft() { return layout.secondLeft.value_or(0); }
  Edges Second() { return InTwips(SecondLeft(), 0, layout.width, layout.height); }
  // The monitor of the player's window, 209 x 145 pixels, placed there.
  Edges MonitorOf(int left, int top) {
    const auto [l, t, r, b] = InTwips(left, top, 209, 145);
    const ScreenRect monitor = world.Port().MonitorOf({l, t, r, b});
    return {monitor.left, monitor.top, monitor.right, monitor.bottom};
  }
  // The primary's edge on the second monitor's side, and the way out there.
  bool SecondOnTheLeft() { return SecondLeft() < 0; }
  int InnerEdge() { return SecondOnTheLeft() ? 0 : layout.width; }
  int OuterEdge() { return SecondOnTheLeft() ? SecondLeft() : SecondLeft() + layout.width; }

  World world;
  DesktopLayout layout = world.Layout();
  float twips = 1440.0f / static_cast<float>(layout.dpi);
};

TYPED_TEST_SUITE_P(ScreenContract);

TYPED_TEST_P(ScreenContract, ThePrimaryIsMeasuredInTwipsAtTheDisplaysDpi) {
  Screen& screen = this->world.Port();
  EXPECT_EQ(screen.TwipsPerPixelX(), this->twips);
  EXPECT_EQ(screen.Width(), this->layout.width * this->twips);
  EXPECT_EQ(screen.Height(), this->layout.height * this->twips);
}

TYPED_TEST_P(ScreenContract, AWindowOnAMonitorHasThatWholeMonitor) {
  const int second = this->SecondLeft(), height = this->layout.height;
  EXPECT_EQ(this->MonitorOf(300, 200), this->Primary());
  EXPECT_EQ(this->MonitorOf(600, height - 70), this->Primary()) << "half below it";
  EXPECT_EQ(this->MonitorOf(second + 400, 300), this->Second());
  EXPECT_EQ(this->MonitorOf(second + 500, height - 70), this->Second()) << "half below it";
  const int halfOff = this->OuterEdge() - 100;
  EXPECT_EQ(this->MonitorOf(halfOff, 300), this->Second()) << "half off the desktop's side";
}

// 130 of the window's 209 pixels on the primary, then on the other side.
TYPED_TEST_P(ScreenContract, AWindowAcrossTwoMonitorsHasTheOneHoldingMostOfIt) {
  const int edge = this->InnerEdge();
  const bool left = this->SecondOnTheLeft();
  EXPECT_EQ(this->MonitorOf(left ? edge - 79 : edge - 130, 300), this->Primary());
  EXPECT_EQ(this->MonitorOf(left ? edge - 130 : edge - 79, 300), this->Second());
}

TYPED_TEST_P(ScreenContract, AWindowOnNoMonitorHasTheNearest) {
  const int beyond = this->SecondOnTheLeft() ? this->OuterEdge() - 509 : this->OuterEdge() + 300;
  EXPECT_EQ(this->MonitorOf(beyond, 300), this->Second()) << "beyond the desktop's side";
  EXPECT_EQ(this->MonitorOf(600, this->layout.height + 130), this->Primary()) << "below";
  EXPECT_EQ(this->MonitorOf(this->SecondLeft() + 500, this->layout.height + 130), this->Second());
}

REGISTER_TYPED_TEST_SUITE_P(ScreenContract, ThePrimaryIsMeasuredInTwipsAtTheDisplaysDpi,
                            AWindowOnAMonitorHasThatWholeMonitor,
                            AWindowAcrossTwoMonitorsHasTheOneHoldingMostOfIt,
                            AWindowOnNoMonitorHasTheNearest);

}  // namespace jukett
