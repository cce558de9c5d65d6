#pragma once

#include "ports/event_pump.h"
#include "ports/player_form.h"
#include "ports/screen.h"

namespace jukett {

// Slides the window in small visible steps until it lies wholly on the
// screen, then pulls it flush against every screen edge it is close to. The
// window's events go on between steps, and position, size and screen are
// read afresh every time, so whatever a handler changes meanwhile counts.
void KeepOnScreen(PlayerForm& form, Screen& screen, EventPump& events);

}  // namespace jukett
