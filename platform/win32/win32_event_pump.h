#pragma once

#include "ports/event_pump.h"

namespace jukett::win32 {

// The own thread's window messages.
class Win32EventPump : public EventPump {
 public:
  void ProcessPendingEvents() override;
  void WaitForEvents(double maxSeconds) override;
};

}  // namespace jukett::win32
