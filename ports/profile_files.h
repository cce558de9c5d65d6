#pragma once

#include <string>
#include <string_view>

namespace jukett {

// Windows profile (INI) files: sections of key=value lines. Texts are UTF-8
// here; in the file they are the platform's 8-bit code page, or UTF-16LE in
// a file that begins with its byte-order mark (a file in UTF-8 or UTF-16BE
// with its mark is read as such and becomes UTF-16LE, every character kept).
class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;

  // The whole stored value, or empty when the file, section or key is missing
  // or the file cannot be read.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view file) = 0;
  // Creates the file and the section when missing and replaces any earlier
  // value of the key; a write that cannot be made as asked (the file cannot
  // be read, or cannot be replaced when it must turn Unicode) leaves the file
  // exactly as it was.
  // No character is lost: a text the 8-bit code page cannot hold turns the
  // file into UTF-16LE first, with every line it had.
  virtual void WriteString(std::string_view section, std::string_view key, std::string_view value,
                           std::string_view file) = 0;
  // Whether the file, as it is now, holds `text` without turning Unicode.
  virtual bool Holds(std::string_view text, std::string_view file) = 0;
};

}  // namespace jukett
