#include "platform/win32/long_path.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace jukett::win32 {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// Asks a call that answers into a buffer, and with too small a buffer the
// size it needs; the answer may grow in between (a file renamed), so ask
// again until it fits. Empty when the call fails.
template <typename Call>
std::wstring AskGrowing(Call call) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length);
  }
  return {};
}

// Behind the prefix Windows takes the path as it stands, so it is cleaned here.
std::wstring Prefixed(std::wstring path) {
  if (path.starts_with(kLongPrefix)) return path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  std::wstring clean;
  for (wchar_t c : path) {
    if (c == L'\\' && clean.size() > 2 && clean.back() == L'\\') continue;
    clean += c;
  }
  if (clean.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + clean.substr(2);
  return std::wstring(kLongPrefix) + clean;
}

}  // namespace

std::wstring WithLongPrefix(std::wstring path) {
  return path.size() < MAX_PATH ? path : Prefixed(std::move(path));
}

std::wstring WithoutLongPrefix(std::wstring path) {
  if (path.starts_with(kLongUncPrefix)) return L"\\\\" + path.substr(kLongUncPrefix.size());
  if (path.starts_with(kLongPrefix)) return path.substr(kLongPrefix.size());
  return path;
}

std::wstring FullPath(const std::wstring& path) {
  if (path.empty()) return {};
  return AskGrowing([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
  });
}

std::wstring LongPathName(const std::wstring& path) {
  auto ask = [](const std::wstring& asked) {
    return AskGrowing(
        [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(asked.c_str(), buffer, size); });
  };
  // Plain first: Wine hands a prefixed path back as it came, short names and
  // all, even one that is not there. Windows without long-path support
  // refuses a long one plainly, and takes it with the prefix.
  if (GetFileAttributesW(WithLongPrefix(path).c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  std::wstring named = ask(path);
  if (named.empty()) named = WithoutLongPrefix(ask(Prefixed(path)));
  return named;
}

std::wstring ShortPathName(const std::wstring& path) {
  const std::wstring asked = WithLongPrefix(path);
  return WithoutLongPrefix(AskGrowing(
      [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(asked.c_str(), buffer, size); }));
}

}  // namespace jukett::win32
