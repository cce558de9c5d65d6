#include "tests/win32/wine_tray.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/ansi_text.h"
#include "tests/win32/standin_process.h"

namespace jukett::testing {
namespace {

// Wine's own path conversions, exported by its kernel32 only; Unix paths
// are UTF-8.
using ToUnix = char*(CDECL*)(const wchar_t*);
using ToWindows = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function WineExport(const char* name) {
  // Through the one function type every other may be cast to and from.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32"), name)));
}

// By TrayClick, in its order.
const wchar_t* ClickName(TrayClick click) {
  constexpr const wchar_t* kNames[] = {L"left", L"right", L"double"};
  return kNames[static_cast<int>(click)];
}

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

namespace {

// Memory in another process, for messages whose data the system does not
// carry across for us.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, SIZE_T size)
      : process_(process),
        address_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  char* Address() const { return address_; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) {
    return WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_;
  char* address_;
};

// Texts of every tool of one tooltip control in `process`.
void CollectTips(HWND tooltip, HANDLE process, std::vector<std::string>& tips) {
  constexpr SIZE_T kTextOffset = 1024;
  constexpr SIZE_T kTextChars = 1024;  // the control's own limit for a tip
  RemoteBuffer remote(process, kTextOffset + kTextChars * sizeof(wchar_t));
  if (!remote.Address()) return;
  for (WPARAM index = 0;; ++index) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    DWORD_PTR found = 0;
    if (!remote.Write(0, &tool, sizeof tool) ||
        !SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, index,
                             reinterpret_cast<LPARAM>(remote.Address()), SMTO_BLOCK, 2000,
                             &found) ||
        !found || !remote.Read(0, &tool, sizeof tool)) {
      return;
    }
    // Enumerating names the tool; asking for its text copies the text out.
    tool.lpszText = reinterpret_cast<wchar_t*>(remote.Address() + kTextOffset);
    std::wstring text(kTextChars, L'\0');
    remote.Write(0, &tool, sizeof tool);
    remote.Write(kTextOffset, text.data(), sizeof(wchar_t));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(tooltip, TTM_GETTEXTW, kTextChars,
                        reinterpret_cast<LPARAM>(remote.Address()), SMTO_BLOCK, 2000, &ignored);
    remote.Read(kTextOffset, text.data(), kTextChars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), kTextChars));
    tips.push_back(win32::WideToUtf8(text));
  }
}

}  // namespace

std::vector<std::string> WineTrayTips() {
  std::vector<std::string> tips;
  HWND tray = FindWindowW(kWineTrayClass, kWineTrayTitle);
  DWORD trayProcess = 0;
  if (!tray || !GetWindowThreadProcessId(tray, &trayProcess)) return tips;
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, trayProcess);
  if (!process) return tips;
  for (HWND tooltip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tooltip;
       tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(tooltip, &owner);
    if (owner == trayProcess) CollectTips(tooltip, process, tips);
  }
  CloseHandle(process);
  return tips;
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
  std::wstring commandLine = L"/bin/sh \"" + win32::Utf8ToWide(script) + L"\" --status \"" +
                             win32::Utf8ToWide(unixStatus) + L"\" --index " +
                             std::to_wstring(index) + L" " + ClickName(click);
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
