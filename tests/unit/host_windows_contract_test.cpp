// The host windows contract against the simulated desktop.
#include "tests/contracts/host_windows_contract.h"

#include <string>
#include <utility>

#include "platform/sim/sim_desktop.h"

namespace jukett {
namespace {

struct SimWindowsWorld {
  HostWindows& Host() { return desktop; }
  Window AddWindow(std::string windowClass, std::string text = {}, Window parent = kNoWindow) {
    const Window window = desktop.AddWindow(std::move(windowClass), std::move(text), parent);
    desktop.OnChar(window, [this, window](char typed) {
      desktop.StageText(window, desktop.TextOf(window) + typed);
    });
    return window;
  }
  void RemoveWindow(Window window) { desktop.RemoveWindow(window); }
  Menu AddMenu() { return desktop.AddMenu(); }
  void AppendItem(Menu menu, MenuItemId id, std::string text) {
    desktop.AppendItem(menu, id, std::move(text));
  }
  void AppendDropDown(Menu menu, Menu dropDown, std::string text) {
    desktop.AppendDropDown(menu, dropDown, std::move(text));
  }
  void SetMenuBar(Window window, Menu bar) { desktop.SetMenuBar(window, bar); }

  sim::SimDesktop desktop;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, HostWindowsContract, SimWindowsWorld);

}  // namespace
}  // namespace jukett
