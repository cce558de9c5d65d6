#include "player/hover_reset.h"

#include <array>

#include "player/track_list.h"

namespace jukett {
namespace {

constexpr Color kBlack = 0x00000000;

constexpr std::array kResetLabels = {Control::Label4,  Control::Label10, Control::lbplay,
                                     Control::lbpause, Control::lbstop,  Control::lbfoward,
                                     Control::lbback};

}  // namespace

HoverSteps HoverStepsFor(Control control) {
  switch (control) {
    case Control::Form:
    case Control::Label4:
    case Control::lbback:
    case Control::lbpause:
    case Control::lbplay:
    case Control::lbstop:
      return {.resetColors = true, .refreshCount = true};
    case Control::Dir1:
    case Control::File1:
    case Control::Label3:
      return {.resetColors = false, .refreshCount = true};
    case Control::Label10:
    case Control::lbfoward:
      return {.resetColors = true, .refreshCount = false};
    default:
      return {};
  }
}

void ResetLabelColors(PlayerForm& form) {
  for (Control label : kResetLabels) form.SetForeColor(label, kBlack);
}

void ResetOnHover(PlayerForm& form, Control control) {
  const HoverSteps steps = HoverStepsFor(control);
  if (steps.resetColors) ResetLabelColors(form);
  if (steps.refreshCount) UpdateCountLabel(form);
}

}  // namespace jukett
