// Prints the player window's layout table for scripts that drive the real
// window from outside: one row per control, "name left top width height" in
// twips from the window's top-left corner, the window itself first as
// frmJUKETT with its height without the folder panel.
#include <cstdio>
#include <string_view>

#include "player/form_layout.h"

namespace {

void PrintRow(std::string_view name, float left, float top, float width, float height) {
  std::printf("%.*s\t%g\t%g\t%g\t%g\n", static_cast<int>(name.size()), name.data(), left, top,
              width, height);
}

}  // namespace

int main() {
  using namespace jukett;
  PrintRow("frmJUKETT", 0, 0, kFormWidth, kShortHeight);
  for (const ControlLayout& layout : FormControls()) {
    PrintRow(layout.name, layout.left, layout.top, layout.width, layout.height);
  }
  return 0;
}
