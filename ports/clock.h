#pragma once

namespace jukett {

// Seconds on a clock that only moves forward: it does not restart at
// midnight or jump with the wall clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double MonotonicSeconds() = 0;
};

}  // namespace jukett
