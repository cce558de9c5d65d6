// The host delivery contract against the simulated desktop.
#include "tests/contracts/host_delivery_contract.h"

#include <functional>
#include <string>
#include <utility>

#include "platform/sim/sim_desktop.h"

namespace jukett {
namespace {

class SimDeliveryWorld {
 public:
  static constexpr double kClockSlack = 0.0;

  SimDeliveryWorld() {
    desktop.AddProgram(client_);
    desktop.GiveUpAfter(1.0);
    desktop.OnChar(input_, [this](char c) {
      desktop.StageText(input_, Text() + c);
      if (!std::exchange(asking_, false)) return;
      desktop.Post([this] { ++postedRun_; });
      ++answered_;
    });
  }

  HostWindows& Windows() { return desktop; }
  EventPump& Events() { return desktop; }
  Window Input() const { return input_; }
  std::string Text() const { return desktop.TextOf(input_); }
  void Busy(double seconds) { desktop.ProgramOf(input_).BusyUntil(desktop.Now() + seconds); }
  void Type(char c) { desktop.Type(input_, std::string(1, c)); }
  void AskThePlayerAtTheNextCharacter() { asking_ = true; }
  int Answered() const { return answered_; }
  int PostedRun() const { return postedRun_; }
  void PostToPlayer(std::function<void()> event) { desktop.Post(std::move(event)); }
  double Seconds() const { return desktop.Now(); }
  bool PassUntil(const std::function<bool()>& done, double maxSeconds) {
    const double deadline = desktop.Now() + maxSeconds;
    while (!done()) {
      if (desktop.Now() >= deadline) return false;
      desktop.Advance(0.01);
    }
    return true;
  }

  sim::SimDesktop desktop;
  Window client_ = desktop.AddWindow("Client");
  Window input_ = desktop.AddWindow("Edit", "draft", client_);
  bool asking_ = false;
  int answered_ = 0;
  int postedRun_ = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, HostDeliveryContract, SimDeliveryWorld);

// A unit on its way when the player's process ends is cut off where it
// stands: the edit the client has begun lands, nothing after it. On the
// platform this takes a process of its own to end, hence
// ChatHost.AUnitOnItsWayIsCutOffWhereItStandsWhenTheSenderEnds.
TEST(SimulatedDelivery, AUnitOnItsWayIsCutOffWhereItStandsWhenThePlayerEnds) {
  SimDeliveryWorld world;
  world.desktop.ProgramOf(world.Input()).SetAnswerDelay(3.0);
  world.desktop.EditInOrder({{WindowEdit::Kind::SetText, world.Input(), ""},
                             {WindowEdit::Kind::Char, world.Input(), "a"}});
  world.desktop.PlayerEnded();
  world.desktop.Advance(10.0);
  EXPECT_EQ(world.Text(), "");
}

}  // namespace
}  // namespace jukett
