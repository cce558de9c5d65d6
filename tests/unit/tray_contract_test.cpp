// The tray contract against the simulated shell and player window.
#include "tests/contracts/tray_contract.h"

#include <cstring>

#include "platform/sim/sim_player_form.h"
#include "platform/sim/sim_shell.h"

namespace jukett {
namespace {

struct SimTrayWorld {
  SimTrayWorld() {
    form.Connect(events);
    tray.ReportTo(form.Handle(), [this](std::uint32_t id, std::uint32_t message) {
      form.TrayIconReport(id, message);
    });
  }
  Tray& Port() { return tray; }
  PlayerForm& Form() { return form; }
  float TwipsPerPixel() { return screen.TwipsPerPixelX(); }
  bool CanClick() { return true; }
  bool Click(TrayIconClick click) {
    if (click == TrayIconClick::Left) return tray.Click({0x201, 0x202});
    if (click == TrayIconClick::Right) return tray.Click({0x204, 0x205});
    return tray.Click({0x201, 0x202, 0x203, 0x202});
  }
  int IconCount() { return static_cast<int>(tray.Icons().size()); }
  std::vector<std::string> Tips() {
    std::vector<std::string> tips;
    for (const IconRecord& icon : tray.Icons())
      tips.emplace_back(icon.szTip, strnlen(icon.szTip, 64));
    return tips;
  }
  bool Await(const std::function<bool()>& done) { return done(); }
  void Settle() {}

  testing::NotedEvents events;
  sim::SimScreen screen{1024, 768, 12};
  sim::SimFileSystem files;
  sim::SimPlayerForm form{screen, files, "C:\\"};
  sim::SimTray tray;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, TrayContract, SimTrayWorld);

}  // namespace
}  // namespace jukett
