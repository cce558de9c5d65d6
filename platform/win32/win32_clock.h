#pragma once

#include "ports/clock.h"

namespace jukett::win32 {

// The performance counter: monotonic, and untouched by midnight or clock changes.
class Win32Clock : public Clock {
 public:
  double MonotonicSeconds() override;
};

}  // namespace jukett::win32
