// What the player relies on from the host windows when the chat client is
// slow, busy or hung: how edits reach it, what a read gives, how the wait
// for what is on its way ends. Stated once, run against the simulated
// desktop and the real one. A world type gives the port and a client:
//   struct World {
//     // The port; it gives up a lone message sooner than it stops waiting
//     // for an answer. And the player's own thread's events.
//     HostWindows& Windows();
//     EventPump& Events();
//     // The client's input, a window of the client's own thread, holding
//     // "draft" at first; its text as the client holds it, seen without
//     // asking the client. Each character that reaches it, as an edit or
//     // typed, goes at the end of its text.
//     Window Input();
//     std::string Text();
//     // The client is busy with work of its own, reading nothing, for
//     // `seconds` from now (kForGood: until the world ends); called again,
//     // it is busy until then instead, 0 freeing it now.
//     void Busy(double seconds);
//     // The user types `c`: input queued for the client.
//     void Type(char c);
//     // At the next character, the client posts the player an event and
//     // then sends it a message and waits for the answer; how many of each
//     // the player has handled.
//     void AskThePlayerAtTheNextCharacter();
//     int Answered();
//     int PostedRun();
//     // An event on the player's own queue.
//     void PostToPlayer(std::function<void()> event);
//     // The world's clock in seconds, how far its readings may run past a
//     // limit, and time let pass until `done` holds (true) or `maxSeconds`
//     // have passed (false).
//     double Seconds();
//     static constexpr double kClockSlack;
//     bool PassUntil(const std::function<bool()>& done, double maxSeconds);
//   };
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

TYPED_TEST_P(HostDeliveryContract, AUnitReachesAPromptClientWholeAndInOrderBeforeTheCallReturns) {
  using Kind = WindowEdit::Kind;
  this->windows().EditInOrder({{Kind::SetText, this->input(), "line"},
                               {Kind::Char, this->input(), "!"},
                               {Kind::Char, kNoWindow, "x"},
                               {Kind::Char, this->input(), ""},
                               {Kind::Char, this->input(), "?"}});
  EXPECT_EQ(this->world.Text(), "line!?") << "edits of no window or no character are left out";
}

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
  EXPECT_EQ(this->windows().UserText(this->input()), "draft");
  this->world.Busy(kForGood);
  // The read is given up before the player stops waiting: no answer, not an
  // empty text.
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

// Input the client gets while it handles one edit is read before the next
// one: a unit does not hold the user's typing back, so what they type while
// the player's edits land may be overwritten or go out with the line. Where
// the key lands is a race on the platform (mostly right after the edit in
// hand), hence a few rounds.
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
                            AUnitReachesAPromptClientWholeAndInOrderBeforeTheCallReturns,
                            AClientBusyBeyondTheWaitGetsTheWholeUnitAfterTheCallReturns,
                            AClientStillTakingAUnitGetsNoneOfTheNext,
                            UserTextIsNothingWhenTheClientDoesNotAnswerInTime,
                            FinishEditsWaitsForWhatIsOnItsWayAtMostAsLongAsItIsTold,
                            WhileWaitingThePlayerAnswersSentMessagesAndKeepsPostedOnes,
                            ThePumpRunsEventsPostedWhileItRuns,
                            TheUsersTypingIsReadBetweenTheEditsOfAUnit);

}  // namespace jukett
