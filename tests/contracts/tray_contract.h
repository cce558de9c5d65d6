// What the player relies on from the shell's notification area, stated once
// and run against the simulated shell and the real one. A world gives the
// port, the player's window that takes the icon's reports, and a user who
// clicks the icon:
//   struct World {
//     Tray& Port();
//     PlayerForm& Form();  // hidden, as in the tray; its handlers are `events`
//     testing::NotedEvents events;
//     float TwipsPerPixel();  // the window's
//     bool CanClick();  // false where the shell's icons are out of reach
//     // Clicks the first icon shown with the pointer; false when none is.
//     bool Click(TrayIconClick click);
//     int IconCount();
//     std::vector<std::string> Tips();  // as the shell shows them
//     // Lets the shell work until `done` holds; false if it never does.
//     bool Await(const std::function<bool()>& done);
//     void Settle();  // lets whatever is still on its way arrive
//   };
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, TrayContract, World).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "player/sys_tray.h"
#include "ports/tray.h"
#include "tests/contracts/noted_events.h"

namespace jukett {

enum class TrayIconClick { Left, Right, Double };
// The mouse messages on the icon that the shell reports, by number.
enum IconMessage { kIconMove = 0x200, kLeftDown, kLeftUp, kLeftDoubleClick, kRightDown, kRightUp };

template <typename World>
class TrayContract : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!world.CanClick()) GTEST_SKIP() << "the shell's icons are out of reach";
  }

  Tray& tray() { return world.Port(); }
  bool Shows(int count) {
    return world.Await([&] { return world.IconCount() == count; });
  }
  int MessageOf(const Pointer& pointer) {
    return static_cast<int>(std::lround(pointer.x / world.TwipsPerPixel()));
  }
  // The messages the icon reported, without the pointer passing over it.
  std::vector<int> Clicks() {
    std::vector<int> clicks;
    for (const auto& event : world.events.events) {
      const int message = MessageOf(event.pointer);
      if (event.what == "MouseMove" && event.pointer.trayIcon && message != kIconMove) {
        clicks.push_back(message);
      }
    }
    return clicks;
  }
  bool AwaitReport(int message) {
    return world.Await([&] { return std::ranges::count(Clicks(), message) > 0; });
  }

  World world;
  IconRecord record = MakeIconRecord(world.Form());
};

TYPED_TEST_SUITE_P(TrayContract);

TYPED_TEST_P(TrayContract, ClicksReachTheWindowInOrderAndTheIconGoesWithTheDelete) {
  ASSERT_TRUE(this->tray().Add(this->record));
  ASSERT_TRUE(this->Shows(1));
  // The text before the end of the string; the blanks after it stay hidden.
  EXPECT_EQ(this->world.Tips(), std::vector<std::string>{std::string(kTrayTip)});

  ASSERT_TRUE(this->world.Click(TrayIconClick::Left));
  ASSERT_TRUE(this->AwaitReport(kLeftUp));
  ASSERT_TRUE(this->world.Click(TrayIconClick::Right));
  ASSERT_TRUE(this->AwaitReport(kRightUp));
  // A double-click reports both releases and the double-click.
  ASSERT_TRUE(this->world.Click(TrayIconClick::Double));
  ASSERT_TRUE(this->AwaitReport(kLeftDoubleClick));
  this->world.Settle();
  EXPECT_EQ(this->Clicks(), (std::vector<int>{kLeftDown, kLeftUp, kRightDown, kRightUp, kLeftDown,
                                              kLeftUp, kLeftDoubleClick, kLeftUp}));
  // Each a move of the window itself on a whole pixel, with the icon's id,
  // 1, where the buttons held go.
  for (const auto& event : this->world.events.events) {
    if (event.what != "MouseMove") continue;
    EXPECT_EQ(event.control, Control::Form);
    EXPECT_TRUE(event.pointer.trayIcon);
    EXPECT_EQ(event.pointer.x, this->MessageOf(event.pointer) * this->world.TwipsPerPixel());
    EXPECT_EQ(event.pointer.buttons, 1);
  }

  this->tray().Delete(this->record);
  EXPECT_TRUE(this->Shows(0));
  EXPECT_TRUE(this->world.Tips().empty());
  const std::size_t reported = this->world.events.events.size();
  EXPECT_FALSE(this->world.Click(TrayIconClick::Left)) << "nothing left to click";
  this->world.Settle();
  EXPECT_EQ(this->world.events.events.size(), reported) << "nothing more arrives";
}

// The player takes its icon away at the first left release.
TYPED_TEST_P(TrayContract, DeletingTheIconAtTheFirstReleaseEndsADoubleClick) {
  this->world.events.onMove = [this](const Pointer& pointer) {
    if (this->MessageOf(pointer) == kLeftUp) this->tray().Delete(this->record);
  };
  ASSERT_TRUE(this->tray().Add(this->record));
  ASSERT_TRUE(this->Shows(1));
  ASSERT_TRUE(this->world.Click(TrayIconClick::Double));
  ASSERT_TRUE(this->AwaitReport(kLeftUp));
  this->world.Settle();
  EXPECT_TRUE(this->Shows(0));
  // The delete from inside the report neither hangs nor fails. The second
  // click then finds no icon; should a slow handler let it reach the icon
  // first, only the double-click and its release can follow.
  const std::vector<int> clicks = this->Clicks(),
                         whole{kLeftDown, kLeftUp, kLeftDoubleClick, kLeftUp};
  ASSERT_GE(clicks.size(), 2u);
  ASSERT_LE(clicks.size(), whole.size());
  EXPECT_TRUE(std::equal(clicks.begin(), clicks.end(), whole.begin())) << clicks.size();
}

TYPED_TEST_P(TrayContract, AddSaysWhetherTheShellTookTheIcon) {
  ASSERT_TRUE(this->tray().Add(this->record));
  // The shell holds one icon per window and id; a second add is refused.
  EXPECT_FALSE(this->tray().Add(this->record));
  this->tray().Delete(this->record);
  EXPECT_TRUE(this->Shows(0));
  // A delete with no icon there changes nothing, and the icon can come back.
  this->tray().Delete(this->record);
  EXPECT_TRUE(this->tray().Add(this->record));
  EXPECT_TRUE(this->Shows(1));
  this->tray().Delete(this->record);
}

REGISTER_TYPED_TEST_SUITE_P(TrayContract, ClicksReachTheWindowInOrderAndTheIconGoesWithTheDelete,
                            DeletingTheIconAtTheFirstReleaseEndsADoubleClick,
                            AddSaysWhetherTheShellTookTheIcon);

}  // namespace jukett
