#include "player/spoken_names.h"

#include <algorithm>
#include <array>
#include <vector>

#include "player/captions.h"

namespace jukett {
namespace {

struct StateName {
  Control button;
  std::string_view caption;
  std::string_view name;
};

// The buttons whose caption carries a state, in the state the table does not
// start in.
constexpr std::array kStateNames{
    StateName{Control::lbpause, kPlayGlyph, "Resume"},
    StateName{Control::Label4, kMutedCaption, "Unmute"},
    StateName{Control::Label5, kHideDirCaption, "Hide folders"},
};

std::vector<Control> SortedByPlace() {
  std::vector<const ControlLayout*> layouts;
  for (const ControlLayout& layout : FormControls()) layouts.push_back(&layout);
  std::sort(layouts.begin(), layouts.end(), [](auto* a, auto* b) {
    return a->top != b->top ? a->top < b->top : a->left < b->left;
  });
  std::vector<Control> order;
  for (const ControlLayout* layout : layouts) order.push_back(layout->control);
  return order;
}

}  // namespace

std::string SpokenName(const ControlLayout& layout, std::string_view caption) {
  if (!IsButton(layout)) return std::string(caption);
  for (const StateName& state : kStateNames) {
    if (state.button == layout.control && state.caption == caption) return std::string(state.name);
  }
  return std::string(layout.spokenName);
}

std::span<const Control> ReadingOrder() {
  static const std::vector<Control> kOrder = SortedByPlace();
  return kOrder;
}

}  // namespace jukett
