// How much processor a 0.6 s wait between two announcements costs: the
// program's wait, which sleeps until the next event, against a wait that
// polls the clock and the event queue without pause, in the same run.
#include <cstdio>

#include "bench/cpu_time.h"
#include "util/timed_wait.h"

#ifdef _WIN32
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
using PlatformClock = jukett::win32::Win32Clock;
using PlatformEvents = jukett::win32::Win32EventPump;
#else
#include "platform/sim/real_time_events.h"
using PlatformClock = jukett::sim::RealTimeEvents;
using PlatformEvents = jukett::sim::RealTimeEvents;
#endif

namespace {

constexpr double kWaitSeconds = 0.6;
constexpr int kRounds = 5;
// The coarsest tick of the processor-time counters met so far (Wine's).
constexpr double kCounterResolution = 0.010;

void SpinningWait(jukett::Clock& clock, jukett::EventPump& events, double seconds) {
  const double start = clock.MonotonicSeconds();
  while (clock.MonotonicSeconds() - start < seconds) events.ProcessPendingEvents();
}

template <typename Wait>
double CpuSecondsOf(Wait wait) {
  const double before = ProcessCpuSeconds();
  for (int round = 0; round < kRounds; ++round) wait();
  return (ProcessCpuSeconds() - before) / kRounds;
}

}  // namespace

int main() {
#ifdef _WIN32
  PlatformClock clock;
  PlatformEvents events;
#else
  jukett::sim::RealTimeEvents realTime;
  PlatformClock& clock = realTime;
  PlatformEvents& events = realTime;
#endif
  const double spinning = CpuSecondsOf([&] { SpinningWait(clock, events, kWaitSeconds); });
  const double sleeping = CpuSecondsOf([&] { jukett::WaitSeconds(clock, events, kWaitSeconds); });
  std::printf("0.6 s wait, processor seconds per wait (mean of %d):\n", kRounds);
  std::printf("  spinning wait  %.6f\n", spinning);
  std::printf("  WaitSeconds    %.6f\n", sleeping);
  if (sleeping > 0) {
    std::printf("  ratio          1/%.0f\n", spinning / sleeping);
  } else {
    // Too little to register: bound it by one tick over all rounds.
    std::printf("  ratio          better than 1/%.0f (WaitSeconds below one %.0f ms tick)\n",
                spinning / (kCounterResolution / kRounds), kCounterResolution * 1000);
  }
  return 0;
}
