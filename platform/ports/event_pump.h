#pragma once

namespace jukett {

// The own thread's queue of window events. Any handler of the program may run
// inside ProcessPendingEvents.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace jukett
