#include "util/timed_wait.h"

namespace jukett {

void WaitSeconds(Clock& clock, EventPump& events, double seconds) {
  const double start = clock.MonotonicSeconds();
  // Sleeping until the next event instead of polling keeps the window just
  // as responsive and leaves the processor to others.
  for (double elapsed = 0.0; elapsed < seconds; elapsed = clock.MonotonicSeconds() - start) {
    events.WaitForEvents(seconds - elapsed);
    events.ProcessPendingEvents();
  }
}

}  // namespace jukett
