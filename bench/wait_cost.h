#pragma once

namespace jukett::bench {

// Processor seconds per 0.6 s wait between two announcements: the program's
// wait, which sleeps until the next event, and a wait that polls the clock
// and the event queue without pause, each the mean of `rounds`.
struct WaitCost {
  double spinning = 0;
  double sleeping = 0;
};

inline constexpr double kWaitSeconds = 0.6;
// The coarsest tick of the processor-time counters met so far (Wine's).
inline constexpr double kCounterResolution = 0.010;

WaitCost MeasureWaitCost(int rounds);

}  // namespace jukett::bench
