// The simulated desktop's own event queue, and its programs slow to take
// what the player sends (its windows and menus answer to the host windows
// contract).
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace jukett::sim {
namespace {

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
