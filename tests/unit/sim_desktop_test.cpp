// The simulated desktop must answer as Windows does, or the tests above
// prove nothing about the real program.
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace jukett::sim {
namespace {

TEST(SimulatedWindows, FindChildWalksDirectChildrenInOrderByWholeClassName) {
  SimDesktop desktop;
  const Window parent = desktop.AddWindow("Parent");
  const Window a = desktop.AddWindow("RICHCNTLREADONLY", {}, parent);
  const Window b = desktop.AddWindow("RICHCNTL", {}, parent);
  const Window nested = desktop.AddWindow("RICHCNTL", {}, b);
  const Window c = desktop.AddWindow("richcntl", {}, parent);

  EXPECT_EQ(desktop.FindChild(parent, kNoWindow, "RICHCNTL"), b);
  EXPECT_EQ(desktop.FindChild(parent, b, "RICHCNTL"), c);
  EXPECT_EQ(desktop.FindChild(parent, c, "RICHCNTL"), kNoWindow);
  EXPECT_EQ(desktop.FindChild(parent, kNoWindow, "RICHCNT"), kNoWindow);
  EXPECT_EQ(desktop.FindChild(parent, nested, "RICHCNTL"), kNoWindow);
  EXPECT_EQ(desktop.FindChild(kNoWindow, kNoWindow, "Parent"), kNoWindow);
  EXPECT_EQ(desktop.FindTopLevel("parent"), parent);
  EXPECT_EQ(desktop.FindTopLevel("RICHCNTLREADONLY"), kNoWindow);
  (void)a;
}

TEST(SimulatedWindows, TextsFitTheCallersBuffer) {
  SimDesktop desktop;
  const Window window = desktop.AddWindow("Edit", "abcdef");
  EXPECT_EQ(desktop.Text(window, 4), "abc");
  EXPECT_EQ(desktop.Caption(window, 0), "");
  EXPECT_EQ(desktop.ClassName(window, 3), "Ed");
  EXPECT_EQ(desktop.TextLength(kNoWindow), 0);
}

TEST(SimulatedMenus, ItemsByPositionAndByCommandIncludingNestedOnes) {
  SimDesktop desktop;
  const Menu bar = desktop.AddMenu();
  const Menu file = desktop.AddMenu();
  const Menu nested = desktop.AddMenu();
  desktop.AppendDropDown(bar, file, "&File");
  desktop.AppendItem(file, 7, "&Open");
  desktop.AppendDropDown(file, nested, "&Recent");
  desktop.AppendItem(nested, 9, "song.mp3");

  EXPECT_EQ(desktop.MenuItemCount(bar), 1);
  EXPECT_EQ(desktop.SubMenu(bar, 0), file);
  EXPECT_EQ(desktop.SubMenu(bar, 1), kNoMenu);
  EXPECT_EQ(desktop.ItemId(file, 0), 7u);
  EXPECT_EQ(desktop.ItemId(file, 1), 0xFFFFFFFFu);
  EXPECT_EQ(desktop.ItemText(file, 9, 100), "song.mp3");
  EXPECT_EQ(desktop.MenuItemCount(kNoMenu), -1);
  EXPECT_EQ(desktop.MenuItemCount(static_cast<Menu>(bar + 1)), -1);
}

}  // namespace
}  // namespace jukett::sim
