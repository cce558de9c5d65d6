#include "platform/win32/file_list.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

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

// The "*.mp3" pattern on a long name, letter case ignored.
bool HasMp3Extension(std::wstring_view name) {
  constexpr std::wstring_view kExtension = L".mp3";
  return name.size() >= kExtension.size() &&
         CompareStringOrdinal(name.data() + name.size() - kExtension.size(),
                              static_cast<int>(kExtension.size()), kExtension.data(),
                              static_cast<int>(kExtension.size()), TRUE) == CSTR_EQUAL;
}

// The list's order, the user's locale without regard to case. A sort key
// per name is made once, so a large folder sorts with cheap byte
// comparisons instead of a locale comparison per pair; the keys order the
// names exactly as CompareStringW does.
std::string SortKey(const std::wstring& name) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  // Room for the key of most names, so that one call makes it.
  alignas(wchar_t) char buffer[512];
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), -1,
                                reinterpret_cast<LPWSTR>(buffer), sizeof buffer);
  if (size > 0) return std::string(buffer, static_cast<std::size_t>(size));
  const int needed = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), -1, nullptr, 0);
  if (needed <= 0) return {};
  std::string key(static_cast<std::size_t>(needed), '\0');
  LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), -1, reinterpret_cast<LPWSTR>(key.data()),
               needed);
  return key;
}

void SortAsListShows(std::vector<std::wstring>& names) {
  std::vector<std::pair<std::string, std::wstring>> keyed;
  keyed.reserve(names.size());
  for (std::wstring& name : names) keyed.emplace_back(SortKey(name), std::move(name));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace

FolderListing ListFolder(const std::wstring& folder) {
  FolderListing listing;
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
    if (entry.dwFileAttributes & kUnlisted) return;
    const std::wstring_view name = entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name != L"." && name != L"..") listing.subfolders.emplace_back(name);
    } else if (HasMp3Extension(name)) {
      listing.mp3Files.emplace_back(name);
    }
  });
  SortAsListShows(listing.mp3Files);
  SortAsListShows(listing.subfolders);
  return listing;
}

std::vector<std::wstring> Mp3FilesIn(const std::wstring& folder) {
  return ListFolder(folder).mp3Files;
}

std::vector<std::wstring> SubfoldersOf(const std::wstring& folder) {
  return ListFolder(folder).subfolders;
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
