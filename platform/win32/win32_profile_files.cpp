#include "platform/win32/win32_profile_files.h"

#include <windows.h>

#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {

std::string Win32ProfileFiles::ReadString(std::string_view section, std::string_view key,
                                          std::string_view file) {
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  const std::wstring wideFile = Utf8ToWide(file);
  // A value that fills the buffer to its last character may have been cut:
  // read again with more room until it ends short of it.
  for (size_t size = 256;; size *= 4) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", buffer.data(),
                                 static_cast<DWORD>(size), wideFile.c_str());
    if (length + 1 < size || size >= (1u << 24)) {
      return WideToUtf8(std::wstring_view(buffer.data(), length));
    }
  }
}

void Win32ProfileFiles::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value, std::string_view file) {
  WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                             Utf8ToWide(value).c_str(), Utf8ToWide(file).c_str());
}

}  // namespace jukett::win32
