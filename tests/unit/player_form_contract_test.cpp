// The player window's contract against the simulated window.
#include "tests/contracts/player_form_contract.h"

#include <string>
#include <string_view>

#include "platform/sim/sim_player_form.h"

namespace jukett {
namespace {

class SimFormWorld {
 public:
  SimFormWorld() { form.Connect(events); }

  PlayerForm& Form() { return form; }
  testing::NotedEvents& Events() { return events; }
  float TwipsPerPixel() { return screen.TwipsPerPixelX(); }
  std::string StageFolder(std::initializer_list<std::string_view> names) {
    const std::string folder = "C:\\Music " + std::to_string(++folders);
    files.AddDirectory(folder);
    for (const std::string_view name : names) {
      const std::string path = folder + "\\" + std::string(name);
      if (name.ends_with('\\')) {
        files.AddDirectory(path);
      } else {
        files.AddFile(path, "tone");
      }
    }
    return folder;
  }
  void ShowAndSettle() { form.Show(); }
  void Move(Control control, float x, float y) { form.PointerMove(X(control, x), Y(control, y)); }
  void Press(Control control, float x, float y, int button) {
    form.PointerPress(X(control, x), Y(control, y), button);
  }
  void Release(Control control, float x, float y, int button) {
    form.PointerRelease(X(control, x), Y(control, y), button);
  }
  void DoubleClick(Control control, float x, float y) {
    form.PointerDoubleClick(X(control, x), Y(control, y));
  }
  void ReturnInFileList() {}  // the simulated list takes no keys
  void OpenInDirList(std::string_view folder, bool) { form.OpenDirRow(folder); }
  void TrayIconReport(int message) { form.TrayIconReport(message); }
  void Close() { form.Close(); }

 private:
  static float X(Control control, float x) { return LayoutOf(control).left + x; }
  static float Y(Control control, float y) { return LayoutOf(control).top + y; }

  sim::SimFileSystem files;
  sim::SimScreen screen{1024, 768, 15};
  sim::SimPlayerForm form{screen, files, "C:\\"};
  testing::NotedEvents events;
  int folders = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, PlayerFormContract, SimFormWorld);

}  // namespace
}  // namespace jukett
