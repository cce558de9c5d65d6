#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jukett {

// Windows folder paths as the directory list shows them: backslashes only,
// no trailing separator except at a root ("C:\", "\\server\share\").
std::string TidyFolderPath(std::string_view path);

// The folders from the root of `path` down to `path` itself, each a whole
// path: "C:\a\b" gives "C:\", "C:\a", "C:\a\b". Empty for an empty path.
std::vector<std::string> FolderChain(std::string_view path);

// The last part of a folder path, or the root itself ("C:\").
std::string FolderName(std::string_view path);

// Whether a file name ends in ".mp3", letter case ignored.
bool IsMp3Name(std::string_view name);

}  // namespace jukett
