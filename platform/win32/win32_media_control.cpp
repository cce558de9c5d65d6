#include "platform/win32/win32_media_control.h"

#include <windows.h>

#include <mmsystem.h>

#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {

void Win32MediaControl::SendCommand(std::string_view command) {
  mciSendStringW(Utf8ToWide(command).c_str(), nullptr, 0, nullptr);
}

std::string Win32MediaControl::ShortPath(std::string_view path) {
  const std::wstring wide = Utf8ToWide(path);
  // Asked with too small a buffer, the call answers the size it needs; the
  // file may be renamed in between, so ask again until the answer fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length =
        GetShortPathNameW(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return WideToUtf8(std::wstring_view(buffer.data(), length));
    buffer.resize(length);
  }
  return {};
}

}  // namespace jukett::win32
