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

TEST(SimulatedEvents, PumpRunsEventsPostedWhileItRuns) {
  SimDesktop desktop;
  std::vector<int> order;
  desktop.Post([&] {
    order.push_back(1);
    desktop.Post([&] { order.push_back(2); });
  });
  desktop.ProcessPendingEvents();
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(desktop.PumpCount(), 1);
}

// A client 1.5 s over each message: the player waits 2 s for the unit, the
// rest arrives as the clock moves, the user's typing once no sent message
// waits; the end cuts off what was not picked up.
TEST(SimulatedDelivery, AUnitGoesOnArrivingAfterTheWaitUntilThePlayerEnds) {
  SimDesktop desktop;
  const Window client = desktop.AddWindow("Client");
  const Window input = desktop.AddWindow("Edit", "draft", client);
  desktop.AddProgram(client);
  desktop.ProgramOf(input).SetAnswerDelay(1.5);
  desktop.Type(input, "!");
  desktop.EditInOrder({{WindowEdit::Kind::SetText, input, ""},
                       {WindowEdit::Kind::SetText, input, "line"},
                       {WindowEdit::Kind::SetText, input, "draft"},
                       {WindowEdit::Kind::SetText, input, "never"}});
  EXPECT_DOUBLE_EQ(desktop.Now(), 2.0);
  EXPECT_EQ(desktop.TextOf(input), "line");
  EXPECT_FALSE(desktop.UserText(input)) << "a program still taking a unit gives nothing at once";
  desktop.Advance(1.0);
  EXPECT_EQ(desktop.TextOf(input), "draft") << "sent messages come before queued input";
  desktop.PlayerEnded();
  desktop.Advance(10.0);
  EXPECT_EQ(desktop.TextOf(input), "draft!") << "the last step cut off, the typing read after";
}

// A read the hung program never picks up is withdrawn when the helper gives
// up, and the program can be sent to again.
TEST(SimulatedDelivery, AReadAHungProgramNeverTakesIsWithdrawn) {
  SimDesktop desktop;
  const Window client = desktop.AddWindow("Client", "caption");
  desktop.AddProgram(client);
  desktop.ProgramOf(client).BusyUntil(100.0);
  EXPECT_EQ(desktop.TextLength(client), 0);
  EXPECT_DOUBLE_EQ(desktop.Now(), 2.0);
  desktop.Advance(ClientProgram::kGiveUp);
  EXPECT_TRUE(desktop.Messages().empty());
  desktop.Advance(100.0);
  EXPECT_EQ(desktop.TextLength(client), 7);
}

}  // namespace
}  // namespace jukett::sim
