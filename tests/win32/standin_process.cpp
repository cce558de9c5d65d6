#include "tests/win32/standin_process.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "chathost/host_classes.h"

namespace jukett::testing {
namespace {

std::wstring Quoted(const std::wstring& argument) { return L"\"" + argument + L"\""; }

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring NewScratchFolder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wostringstream name;
  name << temp << L"jukett-test-" << GetCurrentProcessId() << L"-" << ++counter << L"-"
       << GetTickCount();
  CreateDirectoryW(name.str().c_str(), nullptr);
  return name.str() + L"\\";
}

StandinProcess::StandinProcess(const std::vector<std::wstring>& options)
    : folder_(NewScratchFolder()),
      logPath_(folder_ + L"posted.log"),
      readyPath_(folder_ + L"ready") {
  std::wstring commandLine = Quoted(ProgramFolder() + L"standin-host.exe") + L" --log " +
                             Quoted(logPath_) + L" --ready " + Quoted(readyPath_) +
                             L" --quit-after 120";
  for (const auto& option : options) commandLine += L" " + Quoted(option);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return;
  }
  ready_ = WaitUntilReady(30000);
}

StandinProcess::~StandinProcess() {
  if (!process_.hProcess) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  // Wine takes an ended process's windows down a little later; the next
  // test's host must not be mistaken for this one.
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (FindWindowA(jukett::host_classes::kFrame, nullptr) && GetTickCount64() < deadline) {
    Sleep(10);
  }
}

bool StandinProcess::WaitUntilReady(DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (FileExists(readyPath_)) return true;
    if (WaitForSingleObject(process_.hProcess, 20) == WAIT_OBJECT_0) return false;
  }
  return false;
}

std::string StandinProcess::Log() const {
  std::ifstream file(std::filesystem::path(logPath_), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string StandinProcess::LogOfLines(int lines, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  std::string log = Log();
  while (std::count(log.begin(), log.end(), '\n') < lines && GetTickCount64() < deadline) {
    Sleep(20);
    log = Log();
  }
  return log;
}

}  // namespace jukett::testing
