#include "platform/win32/file_list.h"

#include <windows.h>

#include <algorithm>
#include <functional>

#include "platform/win32/ansi_text.h"
#include "platform/win32/long_path.h"
#include "player/folder_paths.h"

namespace jukett::win32 {
namespace {

constexpr DWORD kUnlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Every entry of `folder`, by long name: the "*" pattern never matches
// through a short name the way "*.mp3" would ("x.mp3x" has "X~1.MP3").
void ForEachEntry(const std::wstring& folder,
                  const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
  if (folder.empty()) return;
  std::wstring pattern = folder;
  if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern = WithLongPrefix(pattern + L'*');
  WIN32_FIND_DATAW entry;
  HANDLE search =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    visit(entry);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

}  // namespace

std::vector<std::wstring> Mp3FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | kUnlisted)) return;
    if (IsMp3Name(WideToUtf8(entry.cFileName))) names.emplace_back(entry.cFileName);
  });
  return names;
}

std::vector<std::wstring> SubfoldersOf(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (entry.dwFileAttributes & kUnlisted)) {
      return;
    }
    const std::wstring_view name = entry.cFileName;
    if (name != L"." && name != L"..") names.emplace_back(name);
  });
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_LESS_THAN;
  });
  return names;
}

// A folder may come as its 8.3 short form (the settings file keeps one whose
// name the code page lacks so); the lists show it by its long name.
std::wstring ExistingFolder(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  if (full.empty()) return {};
  const DWORD attributes = GetFileAttributesW(WithLongPrefix(full).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  const std::wstring named = LongPathName(full);
  return Utf8ToWide(TidyFolderPath(WideToUtf8(named.empty() ? full : named)));
}

}  // namespace jukett::win32
