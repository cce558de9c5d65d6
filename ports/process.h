#pragma once

#include <string>

namespace jukett {

// The running program itself.
class Process {
 public:
  virtual ~Process() = default;

  // The absolute directory of the executable, without a trailing separator
  // except at a drive root.
  virtual std::string ProgramDirectory() = 0;
  // Ends the program at once: nothing after this call runs.
  [[noreturn]] virtual void End() = 0;
};

}  // namespace jukett
