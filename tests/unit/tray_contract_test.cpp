// The tray contract against the simulated shell and player window.
#include "tests/contracts/tray_contract.h"

#include "platform/sim/sim_player.h"

namespace jukett {
namespace {

// The simulated player's window, its handlers only noting what it tells them.
struct SimTrayWorld : sim::SimPlayer {
  SimTrayWorld() { form.Connect(events); }
  Tray& Port() { return tray; }
  PlayerForm& Form() { return form; }
  float TwipsPerPixel() { return screen.TwipsPerPixelX(); }
  bool CanClick() { return true; }
  bool Click(TrayIconClick click) {
    if (click == TrayIconClick::Left) return tray.Click({kLeftDown, kLeftUp});
    if (click == TrayIconClick::Right) return tray.Click({kRightDown, kRightUp});
    return tray.Click({kLeftDown, kLeftUp, kLeftDoubleClick, kLeftUp});
  }
  int IconCount() { return static_cast<int>(tray.Icons().size()); }
  std::vector<std::string> Tips() { return tray.Tips(); }
  bool Await(const std::function<bool()>& done) { return done(); }
  void Settle() {}

  testing::NotedEvents events;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, TrayContract, SimTrayWorld);

}  // namespace
}  // namespace jukett
