#pragma once

#include <string>
#include <vector>

namespace jukett::win32 {

// What the two lists show of one folder. Both are empty when the folder
// cannot be read.
struct FolderListing {
  // The names of the files that end in ".mp3", letter case ignored, sorted
  // as a sorted list box sorts them. Hidden and system files are left out,
  // as a Windows file list leaves them out.
  std::vector<std::wstring> mp3Files;
  // The folders inside, without "." and "..", hidden and system folders,
  // sorted as the directory list shows them.
  std::vector<std::wstring> subfolders;
};

// Reads `folder` once for both lists.
FolderListing ListFolder(const std::wstring& folder);

// One list's part of the listing.
std::vector<std::wstring> Mp3FilesIn(const std::wstring& folder);
std::vector<std::wstring> SubfoldersOf(const std::wstring& folder);

// An absolute, tidy path for an existing folder; empty when `path` names no
// folder that exists.
std::wstring ExistingFolder(const std::wstring& path);

}  // namespace jukett::win32
