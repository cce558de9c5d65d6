#include "platform/win32/win32_profile_files.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {
namespace {

// The encodings a profile file may come in, told by its byte-order mark.
// Windows reads the 8-bit code page and UTF-16LE only: a UTF-8 file is 8-bit
// text to it (its mark then hides the first section), and UTF-16BE is not
// read as such either. Wine reads both and writes them back so.
enum class Encoding { kAnsi, kUtf16Le, kUtf16Be, kUtf8 };

Encoding EncodingOf(std::string_view head) {
  if (head.starts_with("\xFF\xFE")) return Encoding::kUtf16Le;
  if (head.starts_with("\xFE\xFF")) return Encoding::kUtf16Be;
  if (head.starts_with("\xEF\xBB\xBF")) return Encoding::kUtf8;
  return Encoding::kAnsi;
}

// A Unicode file that not every system reads: it is made UTF-16LE first.
bool ReadByWineOnly(Encoding encoding) {
  return encoding == Encoding::kUtf16Be || encoding == Encoding::kUtf8;
}

// A settings file is small; one far past any real one is not rewritten.
constexpr DWORD kLargestFile = 16 * 1024 * 1024;

// Up to `limit` bytes from the start of `file`; empty for a file that is not
// there, nothing when it is there and cannot be read (another program holds
// it without sharing, reading is denied).
std::optional<std::string> FileBytes(const std::wstring& file, DWORD limit) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
    return std::nullopt;
  }
  std::optional<std::string> bytes;
  if (LARGE_INTEGER size{}; GetFileSizeEx(handle, &size)) {
    bytes.emplace(static_cast<std::size_t>(std::min<LONGLONG>(size.QuadPart, limit)), '\0');
    DWORD total = 0;
    for (DWORD read = 1; read != 0 && total < bytes->size(); total += read) {
      if (!ReadFile(handle, bytes->data() + total, static_cast<DWORD>(bytes->size()) - total, &read,
                    nullptr)) {
        bytes.reset();
        break;
      }
    }
    if (bytes) bytes->resize(total);
  }
  CloseHandle(handle);
  return bytes;
}

std::wstring SwappedUnits(std::string_view bigEndian) {
  std::wstring wide(bigEndian.size() / 2, L'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bigEndian[2 * i]) << 8 |
                                   static_cast<unsigned char>(bigEndian[2 * i + 1]));
  }
  return wide;
}

// The lines of a file that is not UTF-16LE yet, read in the encoding its
// mark names.
std::wstring Decoded(std::string_view bytes) {
  switch (EncodingOf(bytes)) {
    case Encoding::kUtf16Be:
      return SwappedUnits(bytes.substr(2));
    case Encoding::kUtf8:
      return Utf8ToWide(bytes.substr(3));
    default:
      return Utf8ToWide(AnsiToUtf8(bytes));
  }
}

// Creates `file` afresh holding `text`; nothing is left of it when any
// step fails.
bool WriteNewFile(const std::wstring& file, const std::wstring& text) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const auto count = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  DWORD written = 0;
  const bool whole = WriteFile(handle, text.data(), count, &written, nullptr) && written == count &&
                     FlushFileBuffers(handle);
  CloseHandle(handle);
  if (!whole) DeleteFileW(file.c_str());
  return whole;
}

// Turns a profile file into UTF-16LE with a byte-order mark, every line and
// character kept; the profile functions keep that encoding from then on. A
// file not there yet begins as the mark alone. The new file replaces the old
// one whole, so a failure at any step leaves the old one as it was.
bool MakeUtf16Le(const std::wstring& file) {
  // Lines the system may still hold for the file go into it first.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
  const auto bytes = FileBytes(file, kLargestFile);
  if (!bytes || bytes->size() == kLargestFile) return false;
  if (EncodingOf(*bytes) == Encoding::kUtf16Le) return true;

  const std::wstring fresh = file + L".new";
  if (!WriteNewFile(fresh, L"\uFEFF" + Decoded(*bytes))) return false;
  if (MoveFileExW(fresh.c_str(), file.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(fresh.c_str());
  return false;
}

bool AnsiHolds(std::string_view text) { return AnsiToUtf8(Utf8ToAnsi(text)) == text; }

}  // namespace

std::string Win32ProfileFiles::ReadString(std::string_view section, std::string_view key,
                                          std::string_view file) {
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  const std::wstring wideFile = Utf8ToWide(file);
  // Read as Windows would read it, a file in UTF-8 or UTF-16BE could lose its
  // first section, and a later write the value stored there.
  if (const auto head = FileBytes(wideFile, 3); head && ReadByWineOnly(EncodingOf(*head))) {
    MakeUtf16Le(wideFile);
  }
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
  // A file that cannot be read cannot be rewritten with every line it has.
  const auto head = FileBytes(wideFile, 3);
  if (!head) return;
  const Encoding encoding = EncodingOf(*head);
  // The system would write what the code page lacks as "?", or as a
  // look-alike: such a text is written only once the file is Unicode.
  std::string text(section);
  text.append(key).append(value);
  const bool toUtf16Le =
      ReadByWineOnly(encoding) || (encoding == Encoding::kAnsi && !AnsiHolds(text));
  if (toUtf16Le && !MakeUtf16Le(wideFile)) return;
  WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                             Utf8ToWide(value).c_str(), wideFile.c_str());
}

bool Win32ProfileFiles::Holds(std::string_view text, std::string_view file) {
  if (AnsiHolds(text)) return true;
  const auto head = FileBytes(Utf8ToWide(file), 3);
  return head && EncodingOf(*head) != Encoding::kAnsi;
}

}  // namespace jukett::win32
