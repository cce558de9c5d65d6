#include "platform/win32/win32_profile_files.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// Up to `limit` bytes from the start of `file`; empty when it cannot be read.
std::string FileBytes(const std::wstring& file, DWORD limit) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER size{};
  std::string bytes;
  if (GetFileSizeEx(handle, &size)) {
    bytes.resize(static_cast<std::size_t>(std::min<LONGLONG>(size.QuadPart, limit)));
    DWORD read = 0;
    if (!ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
  }
  CloseHandle(handle);
  return bytes;
}

bool WriteNewFile(const std::wstring& file, const void* bytes, DWORD count) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole = WriteFile(handle, bytes, count, &written, nullptr) && written == count &&
                     FlushFileBuffers(handle);
  CloseHandle(handle);
  if (!whole) DeleteFileW(file.c_str());
  return whole;
}

bool IsUnicodeFile(const std::wstring& file) { return FileBytes(file, 2) == kUtf16Bom; }

// Turns an 8-bit profile file into UTF-16LE with a byte-order mark, every
// line kept; the profile functions keep that encoding from then on. A file
// not there yet begins as the mark alone. The new file replaces the old one
// whole, so a failure midway leaves the old one as it was.
void MakeUnicode(const std::wstring& file) {
  // Lines the system may still hold for the file go into it first.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
  // A settings file is small; one far past any real one is left alone.
  constexpr DWORD kLargestFile = 16 * 1024 * 1024;
  const std::string ansi = FileBytes(file, kLargestFile);
  if (ansi.size() == kLargestFile) return;
  const std::wstring wide = L"\uFEFF" + Utf8ToWide(AnsiToUtf8(ansi));

  const std::wstring fresh = file + L".new";
  if (!WriteNewFile(fresh, wide.data(), static_cast<DWORD>(wide.size() * sizeof(wchar_t)))) return;
  if (!MoveFileExW(fresh.c_str(), file.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
  }
}

bool AnsiHolds(std::string_view text) { return AnsiToUtf8(Utf8ToAnsi(text)) == text; }

}  // namespace

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
  const std::wstring wideFile = Utf8ToWide(file);
  // The system would write what the code page lacks as "?", or as a look-alike.
  std::string text(section);
  text.append(key).append(value);
  if (!Holds(text, file)) MakeUnicode(wideFile);
  WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                             Utf8ToWide(value).c_str(), wideFile.c_str());
}

bool Win32ProfileFiles::Holds(std::string_view text, std::string_view file) {
  return AnsiHolds(text) || IsUnicodeFile(Utf8ToWide(file));
}

}  // namespace jukett::win32
