#pragma once

#include <windows.h>

#include <string>

namespace jukett::bench {

struct MemoryUse {
  double workingSetKb = 0;
  double privateKb = 0;
};

// A program started by the benchmark, ended when this goes out of scope.
class ChildProgram {
 public:
  // Starts `program` in `workingFolder`; the clock for SecondsUntilShown
  // starts just before the process is made.
  ChildProgram(const std::wstring& program, const std::wstring& workingFolder);
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  // Seconds from launch until a visible top-level window of `windowClass`
  // belongs to the process; negative if none shows within `timeoutMs`.
  double SecondsUntilShown(const wchar_t* windowClass, DWORD timeoutMs);
  double CpuSeconds() const;
  MemoryUse Memory() const;

 private:
  PROCESS_INFORMATION process_{};
  LARGE_INTEGER launched_{};
};

// Seconds on the performance counter since `start`.
double SecondsSince(const LARGE_INTEGER& start);
LARGE_INTEGER Now();

// Waits until no window of `windowClass` is left from an ended program, so
// the next launch is not mistaken for the last.
void WaitUntilGone(const wchar_t* windowClass);

}  // namespace jukett::bench
