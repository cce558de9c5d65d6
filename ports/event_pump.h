#pragma once

namespace jukett {

// The own thread's queue of window events. Any handler of the program may run
// inside ProcessPendingEvents.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
  // Blocks until an event is pending or `maxSeconds` have passed, whichever
  // comes first; dispatches nothing.
  virtual void WaitForEvents(double maxSeconds) = 0;
};

}  // namespace jukett
