#pragma once

#include "ports/profile_files.h"

namespace jukett::win32 {

// The platform's profile functions, wide forms: the file's own name may hold
// any character (the program's folder is wherever the user put it), and the
// system converts the texts to the file's encoding itself, the ANSI code page
// for every file it creates, UTF-16LE for a file that begins with its
// byte-order mark. A file is turned Unicode here only when a text would not
// survive its code page; a file in UTF-8 or UTF-16BE, which Wine reads and
// Windows does not, is made UTF-16LE before the system reads or writes it.
// Either way the new file replaces the old one whole, or nothing changes.
class Win32ProfileFiles : public ProfileFiles {
 public:
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view file) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string_view file) override;
  bool Holds(std::string_view text, std::string_view file) override;
};

}  // namespace jukett::win32
