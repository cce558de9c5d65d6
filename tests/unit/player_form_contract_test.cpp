// The player window's contract against the simulated window.
#include "tests/contracts/player_form_contract.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_player_form.h"

namespace jukett {
namespace {

struct SimFormWorld {
  SimFormWorld() { form.Connect(events); }

  PlayerForm& Form() { return form; }
  testing::NotedEvents& Events() { return events; }
  float TwipsPerPixel() { return screen.TwipsPerPixelX(); }
  std::string StageFolder(const std::vector<std::string>& names) {
    const std::string folder = "C:\\Music " + std::to_string(++folders);
    files.AddDirectory(folder);
    for (const std::string& name : names) {
      const std::string path = folder + "\\" + name;
      name.ends_with('\\') ? files.AddDirectory(path) : files.AddFile(path, "tone");
    }
    return folder;
  }
  void ShowAndSettle() { form.Show(); }
  void Pointer(Control control, float x, float y, Input input) {
    x += LayoutOf(control).left;
    y += LayoutOf(control).top;
    if (input == Input::Move) return form.PointerMove(x, y);
    if (input == Input::DoubleClick) return form.PointerDoubleClick(x, y);
    const int button = input == Input::LeftDown || input == Input::LeftUp ? 1 : 2;
    if (input == Input::LeftDown || input == Input::RightDown)
      return form.PointerPress(x, y, button);
    form.PointerRelease(x, y, button);
  }
  void ReturnInFileList() {}  // the simulated list takes no keys
  void OpenInDirList(std::string_view folder, bool) { form.OpenDirRow(folder); }
  void TrayIconReport(int message) { form.TrayIconReport(1, static_cast<std::uint32_t>(message)); }
  void Close() { form.Close(); }

  sim::SimFileSystem files;
  sim::SimScreen screen{1024, 768, 15};
  sim::SimPlayerForm form{screen, files, "C:\\"};
  testing::NotedEvents events;
  int folders = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, PlayerFormContract, SimFormWorld);

}  // namespace
}  // namespace jukett
