// How edits reach a chat client that is slow, busy or hung, what a read of
// the user's text gives meanwhile, and how the wait for what is on its way
// ends (a prompt client's edits: HostWindowsContract). A world gives
//   HostWindows& Windows(); EventPump& Events();  the player's; it gives up a
//     lone message sooner than it stops waiting for the answer
//   Window Input(); std::string Text();  the client's input, "draft" at first,
//     and its text seen without asking the client; each character that
//     reaches it, as an edit or typed, goes at the end
//   void Busy(double seconds);  the client works on its own, reading nothing,
//     until `seconds` from now (kForGood: for good, 0: free now)
//   void Type(char c);  the user types: input queued for the client
//   void AskThePlayerAtTheNextCharacter(); int Answered(); int PostedRun();
//     the client then posts the player an event, then sends it a message
//     and waits; how many of each the player has handled
//   void PostToPlayer(std::function<void()> event);  onto the player's queue
//   double Seconds(); static constexpr double kClockSlack;  its clock, and how
//     far a reading may run past a limit; PassUntil(done, maxSeconds) lets
//     time pass until `done` holds (true) or `maxSeconds` have (false)
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, HostDeliveryContract, World).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/event_pump.h"
#include "ports/host_windows.h"

namespace jukett {

inline constexpr double kForGood = std::numeric_limits<double>::infinity();

template <typename World>
class HostDeliveryContract : public ::testing::Test {
 protected:
  HostWindows& windows() { return world.Windows(); }
  Window input() { return world.Input(); }
  // A unit that empties the input and then types `characters` into it.
  std::vector<WindowEdit> Clearing(std::string_view characters) {
    std::vector<WindowEdit> unit{{WindowEdit::Kind::SetText, input(), ""}};
    for (char c : characters) unit.push_back({WindowEdit::Kind::Char, input(), std::string(1, c)});
    return unit;
  }

  World world;
};

TYPED_TEST_SUITE_P(HostDeliveryContract);

TYPED_TEST_P(HostDeliveryContract, AClientBusyBeyondTheWaitGetsTheWholeUnitAfterTheCallReturns) {
  this->world.Busy(kForGood);
  this->windows().EditInOrder(this->Clearing("abc"));
  EXPECT_EQ(this->world.Text(), "draft") << "the call stopped waiting";
  this->world.Busy(0.0);
  EXPECT_TRUE(this->world.PassUntil([&] { return this->world.Text() == "abc"; }, 10.0))
      << this->world.Text();
}

TYPED_TEST_P(HostDeliveryContract, AClientStillTakingAUnitGetsNoneOfTheNext) {
  using Kind = WindowEdit::Kind;
  this->world.Busy(kForGood);
  this->windows().EditInOrder(this->Clearing("ab"));
  this->windows().EditInOrder({{Kind::Char, this->input(), "x"}});
  this->world.Busy(0.0);
  this->windows().FinishEdits(10.0);
  EXPECT_EQ(this->world.Text(), "ab");
  // Through with the unit, it takes the next.
  this->windows().EditInOrder({{Kind::Char, this->input(), "c"}});
  EXPECT_EQ(this->world.Text(), "abc");
}

TYPED_TEST_P(HostDeliveryContract, UserTextIsNothingWhenTheClientDoesNotAnswerInTime) {
  EXPECT_EQ(this->windows().UserText(kNoWindow), "");
  this->world.Busy(kForGood);
  // Given up before the player stops waiting: no answer, not an empty text.
  EXPECT_EQ(this->windows().UserText(this->input()), std::nullopt);
  this->world.Busy(0.0);
  EXPECT_TRUE(this->world.PassUntil(
      [&] { return this->windows().UserText(this->input()) == "draft"; }, 10.0));
}

TYPED_TEST_P(HostDeliveryContract, FinishEditsWaitsForWhatIsOnItsWayAtMostAsLongAsItIsTold) {
  const auto took = [&](double maxSeconds) {
    const double start = this->world.Seconds();
    this->windows().FinishEdits(maxSeconds);
    return this->world.Seconds() - start;
  };
  EXPECT_LE(took(5.0), TypeParam::kClockSlack) << "with nothing on its way";
  this->world.Busy(kForGood);
  this->world.AskThePlayerAtTheNextCharacter();
  this->windows().EditInOrder(this->Clearing("ab"));
  EXPECT_LE(took(0.5), 0.5 + TypeParam::kClockSlack) << "with a hung client";
  EXPECT_EQ(this->world.Text(), "draft");

  // The client gets to the unit, and asks the player on its way.
  this->world.Busy(0.2);
  EXPECT_LT(took(10.0), 5.0);
  EXPECT_EQ(this->world.Text(), "ab");
  EXPECT_EQ(this->world.Answered(), 1);
  EXPECT_EQ(this->world.PostedRun(), 0);
}

TYPED_TEST_P(HostDeliveryContract, WhileWaitingThePlayerAnswersSentMessagesAndKeepsPostedOnes) {
  this->world.Busy(0.2);
  this->world.AskThePlayerAtTheNextCharacter();
  this->windows().EditInOrder({{WindowEdit::Kind::Char, this->input(), "?"}});
  EXPECT_EQ(this->world.Text(), "draft?");
  EXPECT_EQ(this->world.Answered(), 1);
  EXPECT_EQ(this->world.PostedRun(), 0);
  this->world.Events().ProcessPendingEvents();
  EXPECT_EQ(this->world.PostedRun(), 1);
}

TYPED_TEST_P(HostDeliveryContract, ThePumpRunsEventsPostedWhileItRuns) {
  std::vector<int> order;
  this->world.PostToPlayer([&] {
    order.push_back(1);
    this->world.PostToPlayer([&] { order.push_back(2); });
  });
  this->world.Events().ProcessPendingEvents();
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

// A unit does not hold the user's typing back: what they type as the edits
// land may be overwritten or go out with the line. Where the key lands is a
// race on the platform (mostly right after the edit in hand): a few rounds.
TYPED_TEST_P(HostDeliveryContract, TheUsersTypingIsReadBetweenTheEditsOfAUnit) {
  bool inside = false;
  for (int round = 0; round < 10 && !inside; ++round) {
    this->world.Busy(0.2);
    this->world.Type('x');
    this->windows().EditInOrder(this->Clearing("abc"));
    ASSERT_TRUE(this->world.PassUntil([&] { return this->world.Text().size() >= 4; }, 10.0))
        << this->world.Text();
    std::string text = this->world.Text();
    inside = text != "abcx";
    std::sort(text.begin(), text.end());
    EXPECT_EQ(text, "abcx") << "the clear came first, then every character once";
  }
  EXPECT_TRUE(inside) << "the key waited for the end of the unit in every round";
}

REGISTER_TYPED_TEST_SUITE_P(HostDeliveryContract,
                            AClientBusyBeyondTheWaitGetsTheWholeUnitAfterTheCallReturns,
                            AClientStillTakingAUnitGetsNoneOfTheNext,
                            UserTextIsNothingWhenTheClientDoesNotAnswerInTime,
                            FinishEditsWaitsForWhatIsOnItsWayAtMostAsLongAsItIsTold,
                            WhileWaitingThePlayerAnswersSentMessagesAndKeepsPostedOnes,
                            ThePumpRunsEventsPostedWhileItRuns,
                            TheUsersTypingIsReadBetweenTheEditsOfAUnit);

}  // namespace jukett
