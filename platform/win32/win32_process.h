#pragma once

#include <string>
#include <string_view>

#include "ports/process.h"

namespace jukett::win32 {

// This program's own process.
class Win32Process : public Process {
 public:
  std::string ProgramDirectory() override;
  [[noreturn]] void End() override;
};

// The full path of the running executable, however long; empty if Windows
// cannot say. The first try uses `firstCapacity` characters and grows from there.
std::wstring ExecutablePath(unsigned long firstCapacity = 260);

// The folder part of a full file path: everything before the last backslash,
// kept as "C:\" at a drive root; empty when there is no folder part.
std::wstring FolderOf(std::wstring_view path);

}  // namespace jukett::win32
