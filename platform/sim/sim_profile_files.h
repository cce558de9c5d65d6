#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/profile_files.h"
#include "platform/sim/sim_file_system.h"

namespace jukett::sim {

// The profile-file rules of the platform, on a file's bytes. Lines end at
// CR or LF; blank space around section names, key names and values is
// dropped when read, before a value when written; sections and keys are matched
// without regard to case, the first of duplicates wins; a value in matching
// quotes reads without them. A write rewrites the file from what was read:
// every section and key line kept, blank lines and spacing made plain, CR LF
// line ends.
std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key);
// The file after setting `key` in `section`; nullopt when the value is
// already there and the file would not be touched.
std::optional<std::string> ProfileWithValue(std::string_view contents, std::string_view section,
                                            std::string_view key, std::string_view value);

// Profile files on a simulated file system, following the rules above, in
// the encodings the platform keeps them: the ANSI code page (1252 here) for
// a file it creates, UTF-16LE for a file that opens with its byte-order mark.
// A file in UTF-8 or UTF-16BE with its mark is made UTF-16LE, through a new
// file that replaces it, as the real adapter does (one that cannot be
// replaced is read as Wine reads it, by its mark). A file that cannot be
// read is neither read nor written.
class SimProfileFiles : public ProfileFiles {
 public:
  explicit SimProfileFiles(SimFileSystem& files) : files_(files) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view file) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string_view file) override;
  bool Holds(std::string_view text, std::string_view file) override;

 private:
  SimFileSystem& files_;
};

}  // namespace jukett::sim
