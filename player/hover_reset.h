#pragma once

#include "ports/player_form.h"

namespace jukett {

// Which of the two hover steps a pointer move over `control` runs: the
// colour reset of the button and status labels, and the count refresh.
struct HoverSteps {
  bool resetColors = false;
  bool refreshCount = false;
};
HoverSteps HoverStepsFor(Control control);

// Puts the seven button and status labels back to the black they start with.
void ResetLabelColors(PlayerForm& form);

// A pointer move over `control`: the steps it runs, colours first.
void ResetOnHover(PlayerForm& form, Control control);

}  // namespace jukett
