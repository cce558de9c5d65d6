#pragma once

#include <string>

namespace jukett::win32 {

// Windows only looks past MAX_PATH characters behind the "\\?\" prefix
// ("\\?\UNC\" for a network path), which also turns off its clean-up of "/"
// and doubled separators. `path` must be absolute; it comes back prefixed
// and cleaned where it needs the prefix, as it is otherwise.
std::wstring WithLongPrefix(std::wstring path);
std::wstring WithoutLongPrefix(std::wstring path);

// The absolute form of `path`, however long; empty when Windows cannot make one.
std::wstring FullPath(const std::wstring& path);

// `path` (absolute) with every 8.3 short name in it expanded to the long
// name, however long; empty when it names nothing that exists.
std::wstring LongPathName(const std::wstring& path);

// The short form of `path` (absolute), 8.3 names where the file system has
// them, however long; empty when it names nothing that exists.
std::wstring ShortPathName(const std::wstring& path);

}  // namespace jukett::win32
