#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "ports/clock.h"
#include "ports/event_pump.h"

namespace jukett::sim {

// An event queue and clock in real time, for measuring waits on Linux: waiting
// blocks the thread until an event is posted (from any thread) or time is up.
class RealTimeEvents : public EventPump, public Clock {
 public:
  void Post(std::function<void()> event);

  void ProcessPendingEvents() override;
  void WaitForEvents(double maxSeconds) override;
  double MonotonicSeconds() override;

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> events_;
};

}  // namespace jukett::sim
