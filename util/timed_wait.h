#pragma once

#include "ports/clock.h"
#include "ports/event_pump.h"

namespace jukett {

// Returns once at least `seconds` have passed, handling the window's events
// meanwhile, so any handler may run inside the wait. Zero or less returns at
// once without handling any.
void WaitSeconds(Clock& clock, EventPump& events, double seconds);

}  // namespace jukett
