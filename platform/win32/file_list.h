#pragma once

#include <string>
#include <vector>

namespace jukett::win32 {

// The names of the files in `folder` that end in ".mp3", letter case
// ignored, in the order the folder gives them. Hidden and system files are
// left out, as a Windows file list leaves them out. Empty when the folder
// cannot be read.
std::vector<std::wstring> Mp3FilesIn(const std::wstring& folder);

// The folders inside `folder`, without "." and "..", hidden and system
// folders, sorted as the directory list shows them.
std::vector<std::wstring> SubfoldersOf(const std::wstring& folder);

// An absolute, tidy path for an existing folder; empty when `path` names no
// folder that exists.
std::wstring ExistingFolder(const std::wstring& path);

}  // namespace jukett::win32
