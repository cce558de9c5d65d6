// How much processor a 0.6 s wait between two announcements costs: the
// program's wait, which sleeps until the next event, against a wait that
// polls the clock and the event queue without pause, in the same run.
#include <cstdio>

#include "wait_cost.h"

int main() {
  constexpr int kRounds = 5;
  using jukett::bench::kCounterResolution;
  const jukett::bench::WaitCost cost = jukett::bench::MeasureWaitCost(kRounds);
  std::printf("0.6 s wait, processor seconds per wait (mean of %d):\n", kRounds);
  std::printf("  spinning wait  %.6f\n", cost.spinning);
  std::printf("  WaitSeconds    %.6f\n", cost.sleeping);
  if (cost.sleeping > 0) {
    std::printf("  ratio          1/%.0f\n", cost.spinning / cost.sleeping);
  } else {
    // Too little to register: bound it by one tick over all rounds.
    std::printf("  ratio          better than 1/%.0f (WaitSeconds below one %.0f ms tick)\n",
                cost.spinning / (kCounterResolution / kRounds), kCounterResolution * 1000);
  }
  return 0;
}
