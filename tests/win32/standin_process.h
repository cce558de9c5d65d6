#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace jukett::testing {

// The stand-in chat host running in a process of its own, with a fresh log
// and ready file in a folder of its own; ended when this goes out of scope.
class StandinProcess {
 public:
  explicit StandinProcess(const std::vector<std::wstring>& options);
  ~StandinProcess();
  StandinProcess(const StandinProcess&) = delete;
  StandinProcess& operator=(const StandinProcess&) = delete;

  // Whether the host built its windows in time.
  bool Ready() const { return ready_; }
  // The bytes the host logged for the lines posted in its rooms.
  std::string Log() const;
  // The log once it holds `lines` lines, or as it is after `timeoutMs`: a busy
  // machine may take the host longer to post a line than the player waits.
  std::string LogOfLines(int lines, DWORD timeoutMs = 15000) const;

 private:
  bool WaitUntilReady(DWORD timeoutMs) const;

  std::wstring folder_;
  std::wstring logPath_;
  std::wstring readyPath_;
  PROCESS_INFORMATION process_{};
  bool ready_ = false;
};

// The folder this test program runs from, with a trailing backslash.
std::wstring ProgramFolder();
// A new empty folder for one test's files.
std::wstring NewScratchFolder();

}  // namespace jukett::testing
