#pragma once

#include "ports/event_pump.h"
#include "ports/player_form.h"
#include "ports/screen.h"

namespace jukett {

// Slides the window in small visible steps until it lies wholly on its
// monitor (the one that holds most of it, or the nearest), then pulls it
// flush against every edge of that monitor it is close to. The window's
// events go on between steps, and position, size and monitor are read
// afresh every time, so whatever a handler changes meanwhile counts.
void KeepOnScreen(PlayerForm& form, Screen& screen, EventPump& events);

}  // namespace jukett
