#include "wait_cost.h"

#include "cpu_time.h"
#include "util/timed_wait.h"

#ifdef _WIN32
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#else
#include "platform/sim/real_time_events.h"
#endif

namespace jukett::bench {
namespace {

void SpinningWait(Clock& clock, EventPump& events, double seconds) {
  const double start = clock.MonotonicSeconds();
  while (clock.MonotonicSeconds() - start < seconds) events.ProcessPendingEvents();
}

template <typename Wait>
double CpuSecondsOf(int rounds, Wait wait) {
  const double before = ProcessCpuSeconds();
  for (int round = 0; round < rounds; ++round) wait();
  return (ProcessCpuSeconds() - before) / rounds;
}

}  // namespace

WaitCost MeasureWaitCost(int rounds) {
#ifdef _WIN32
  win32::Win32Clock clock;
  win32::Win32EventPump events;
#else
  sim::RealTimeEvents realTime;
  Clock& clock = realTime;
  EventPump& events = realTime;
#endif
  WaitCost cost;
  cost.spinning = CpuSecondsOf(rounds, [&] { SpinningWait(clock, events, kWaitSeconds); });
  cost.sleeping = CpuSecondsOf(rounds, [&] { WaitSeconds(clock, events, kWaitSeconds); });
  return cost;
}

}  // namespace jukett::bench
