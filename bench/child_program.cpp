#include "child_program.h"

#include <psapi.h>

#include "cpu_time.h"

namespace jukett::bench {
namespace {

bool IsShownWindowOf(DWORD processId, const wchar_t* windowClass) {
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
       window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return true;
  }
  return false;
}

}  // namespace

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

double SecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(Now().QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

ChildProgram::ChildProgram(const std::wstring& program, const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  launched_ = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.c_str(), &startup, &process_)) {
    process_ = {};
  }
}

ChildProgram::~ChildProgram() {
  if (!process_.hProcess) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 10000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

double ChildProgram::SecondsUntilShown(const wchar_t* windowClass, DWORD timeoutMs) {
  if (!process_.hProcess) return -1;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (IsShownWindowOf(process_.dwProcessId, windowClass)) return SecondsSince(launched_);
    if (WaitForSingleObject(process_.hProcess, 1) == WAIT_OBJECT_0) return -1;
  }
  return -1;
}

double ChildProgram::CpuSeconds() const { return ProcessCpuSeconds(process_.hProcess); }

MemoryUse ChildProgram::Memory() const {
  // Private bytes are the commit charge, which Windows reports in both fields
  // and Wine only in this one.
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) {
    return {};
  }
  return {static_cast<double>(counters.WorkingSetSize) / 1024,
          static_cast<double>(counters.PagefileUsage) / 1024};
}

void WaitUntilGone(const wchar_t* windowClass) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (FindWindowW(windowClass, nullptr) && GetTickCount64() < deadline) Sleep(5);
}

}  // namespace jukett::bench
