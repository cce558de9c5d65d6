#include "platform/win32/win32_media_control.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// Windows only looks past MAX_PATH characters behind the "\\?\" prefix,
// which also turns off its clean-up of "/" and doubled separators.
std::wstring WithLongPrefix(std::wstring path) {
  if (path.size() < MAX_PATH || path.starts_with(kLongPrefix)) return path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  std::wstring clean;
  for (wchar_t c : path) {
    if (c == L'\\' && clean.size() > 2 && clean.back() == L'\\') continue;
    clean += c;
  }
  if (clean.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + clean.substr(2);
  return std::wstring(kLongPrefix) + clean;
}

std::wstring WithoutLongPrefix(std::wstring path) {
  if (path.starts_with(kLongUncPrefix)) return L"\\\\" + path.substr(kLongUncPrefix.size());
  if (path.starts_with(kLongPrefix)) return path.substr(kLongPrefix.size());
  return path;
}

}  // namespace

bool Win32MediaControl::SendCommand(std::string_view command) {
  const auto send = mciSendString_.Get();
  return send && send(Utf8ToWide(command).c_str(), nullptr, 0, nullptr) == 0;
}

std::string Win32MediaControl::ShortPath(std::string_view path) {
  const std::wstring wide = WithLongPrefix(Utf8ToWide(path));
  // Asked with too small a buffer, the call answers the size it needs; the
  // file may be renamed in between, so ask again until the answer fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length =
        GetShortPathNameW(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      return WideToUtf8(WithoutLongPrefix(std::wstring(buffer.data(), length)));
    }
    buffer.resize(length);
  }
  return {};
}

}  // namespace jukett::win32
