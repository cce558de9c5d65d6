#include "platform/win32/win32_process.h"

#include <windows.h>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {
namespace {

// Windows paths never exceed 32767 characters; a buffer this large that is
// still filled means something is wrong, and growing further would not help.
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::wstring ExecutablePath(unsigned long firstCapacity) {
  DWORD capacity = firstCapacity > 0 ? firstCapacity : 1;
  for (;;) {
    std::wstring path(capacity, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
    if (length == 0) return {};
    // A filled buffer means the name was cut short (and, on older Windows,
    // left without its terminating zero): try again with more room.
    if (length < capacity) {
      path.resize(length);
      return path;
    }
    if (capacity >= kLongestPath) return {};
    capacity = capacity * 2 < kLongestPath ? capacity * 2 : kLongestPath;
  }
}

std::wstring FolderOf(std::wstring_view path) {
  const auto separator = path.find_last_of(L'\\');
  if (separator == std::wstring_view::npos) return {};
  std::wstring folder(path.substr(0, separator));
  // "C:" alone names the drive's current folder, not its root.
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

std::string Win32Process::ProgramDirectory() { return WideToUtf8(FolderOf(ExecutablePath())); }

void Win32Process::End() { ExitProcess(0); }

}  // namespace jukett::win32
