// Generated sequences of what can happen to the player, the chat client, the
// files and the user, each checked against what the player promises; a
// sequence that breaks a promise shrinks to a short one, kept below by name.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "tests/unit/player_sequence.h"

namespace jukett::sim {
namespace {

using Act = Step::Act;

rc::Gen<Step> AnyStep() {
  return rc::gen::build<Step>(
      rc::gen::set(&Step::act, rc::gen::weightedElement<Act>({
                                   {8, Act::Click},      {3, Act::DoubleClick}, {2, Act::SelectRow},
                                   {1, Act::Point},      {1, Act::DragTitle},   {1, Act::Tray},
                                   {2, Act::OpenFolder}, {1, Act::AddTrack},    {2, Act::DeleteTrack},
                                   {1, Act::SpoilTrack}, {2, Act::ClientSlow},  {1, Act::ClientBusy},
                                   {1, Act::ClientHangs}, {2, Act::ClientWell}, {1, Act::OpenRoom},
                                   {1, Act::CloseRoom},  {5, Act::Type},        {6, Act::Wait},
                                   {1, Act::LogOff},
                               })),
      rc::gen::set(&Step::which, rc::gen::inRange(0, 12)),
      rc::gen::set(&Step::when, rc::gen::inRange(0, 8)));
}

RC_GTEST_PROP(PlayerProperties, EverySequenceKeepsThePromises, ()) {
  const auto steps = *rc::gen::container<std::vector<Step>>(AnyStep());
  const bool withSettings = *rc::gen::arbitrary<bool>();
  const auto broken = BrokenPromise(steps, withSettings);
  RC_ASSERT(broken.value_or("") == "");
}

}  // namespace
}  // namespace jukett::sim
