#include "platform/sim/real_time_events.h"

#include <chrono>

namespace jukett::sim {

void RealTimeEvents::Post(std::function<void()> event) {
  {
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
  }
  posted_.notify_one();
}

void RealTimeEvents::ProcessPendingEvents() {
  while (true) {
    std::function<void()> event;
    {
      std::lock_guard lock(mutex_);
      if (events_.empty()) return;
      event = std::move(events_.front());
      events_.pop_front();
    }
    event();
  }
}

void RealTimeEvents::WaitForEvents(double maxSeconds) {
  std::unique_lock lock(mutex_);
  posted_.wait_for(lock, std::chrono::duration<double>(maxSeconds),
                   [this] { return !events_.empty(); });
}

double RealTimeEvents::MonotonicSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace jukett::sim
