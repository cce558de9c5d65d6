// A process the test starts and waits for, such as a probe that plays the
// player's part and then ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace jukett::testing {

// Runs `commandLine` as a process of its own and waits for it to end; its
// exit code, or nothing when it did not start or did not end within 30 s
// (then it is ended).
inline std::optional<DWORD> RunToEnd(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return std::nullopt;
  }
  const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  DWORD code = 1;
  if (ended) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!ended) return std::nullopt;
  return code;
}

}  // namespace jukett::testing
