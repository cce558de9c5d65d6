#include "wine_tray.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "standin_process.h"

namespace jukett::testing {
namespace {

// Wine's own path conversions, exported by its kernel32 only.
using ToUnix = char*(CDECL*)(const wchar_t*);
using ToWindows = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function WineExport(const char* name) {
  // Through the one function type every other may be cast to and from.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32"), name)));
}

const wchar_t* ClickName(TrayClick click) {
  switch (click) {
    case TrayClick::kLeft:
      return L"left";
    case TrayClick::kRight:
      return L"right";
    case TrayClick::kDouble:
      return L"double";
    case TrayClick::kMove:
      return L"move";
  }
  return L"move";
}

std::wstring Widened(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

HWND VisibleWineTray() {
  HWND tray = FindWindowW(kWineTrayClass, kWineTrayTitle);
  return tray && IsWindowVisible(tray) ? tray : nullptr;
}

int WineTrayIconCount() {
  HWND tray = VisibleWineTray();
  int count = 0;
  for (HWND icon = tray ? FindWindowExW(tray, nullptr, kWineTrayIconClass, nullptr) : nullptr; icon;
       icon = FindWindowExW(tray, icon, kWineTrayIconClass, nullptr)) {
    if (IsWindowVisible(icon)) ++count;
  }
  return count;
}

void PumpMessages(DWORD milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount64() < deadline);
}

std::string UnixPathOf(const std::wstring& windowsPath) {
  auto toUnix = WineExport<ToUnix>("wine_get_unix_file_name");
  if (!toUnix) return {};
  char* unixPath = toUnix(windowsPath.c_str());
  if (!unixPath) return {};
  std::string result(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

std::wstring WindowsPathOf(const std::string& unixPath) {
  auto toWindows = WineExport<ToWindows>("wine_get_dos_file_name");
  if (!toWindows) return {};
  wchar_t* windowsPath = toWindows(unixPath.c_str());
  if (!windowsPath) return {};
  std::wstring result(windowsPath);
  HeapFree(GetProcessHeap(), 0, windowsPath);
  return result;
}

int ClickWineTrayIcon(TrayClick click, int index) {
  const std::string script = UnixPathOf(ProgramFolder() + L"wine-tray-click.sh");
  const std::wstring statusPath = NewScratchFolder() + L"click-status";
  const std::string unixStatus = UnixPathOf(statusPath);
  if (script.empty() || unixStatus.empty()) return -1;

  // Wine starts a Unix program given its Unix path, but hands back no handle
  // to wait on; the script writes its status file last instead.
  std::wstring commandLine = L"/bin/sh \"" + Widened(script) + L"\" --status \"" +
                             Widened(unixStatus) + L"\" --index " + std::to_wstring(index) + L" " +
                             ClickName(click);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);

  const ULONGLONG deadline = GetTickCount64() + 15000;
  while (GetTickCount64() < deadline) {
    PumpMessages(20);
    if (!FileExists(statusPath)) continue;
    // The file can exist a moment before its line is written.
    std::ifstream file{std::filesystem::path(statusPath)};
    int status = -1;
    if (file >> status) return status;
  }
  return -1;
}

}  // namespace jukett::testing
