// The simulated settings file's profile rules on arbitrary bytes. Any file
// reads and takes a write without fault; where a value can be stored at all
// (one line, no blank space at its ends, not wrapped in quotes, under a
// section and key that read back as themselves) in a text file, reading it
// after the write gives it back, and writing it once more leaves the file
// untouched.
//
// A NUL byte makes a file no text file: it ends the name or value it is in,
// and "[a \0]" names a section "a " that the write saves as "[a ]", which then
// reads as "a". Wine's own profile functions do exactly this, so such files
// are only read and written here, not held to the properties.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"
#include "platform/sim/sim_profile_files.h"

namespace {

using jukett::fuzz::Require;

// Blank space as the profile rules see it, Ctrl-Z included.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

bool OnOneLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool Trimmed(std::string_view text) {
  return text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()));
}

bool Quoted(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
         text.back() == text.front();
}

bool StorableName(std::string_view name) {
  return !name.empty() && OnOneLine(name) && Trimmed(name);
}

// A key line that starts with "[" would read as a section, and the first "="
// ends a key.
bool Storable(std::string_view section, std::string_view key, std::string_view value) {
  return StorableName(section) && StorableName(key) && key.front() != '[' &&
         key.find('=') == std::string_view::npos && OnOneLine(value) && Trimmed(value) &&
         !Quoted(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(64);
  const std::string key = input.ConsumeRandomLengthString(64);
  const std::string value = input.ConsumeRandomLengthString(256);
  const std::string contents = input.ConsumeRemainingBytesAsString();

  (void)jukett::sim::ProfileValue(contents, section, key);
  const auto written = jukett::sim::ProfileWithValue(contents, section, key, value);
  if (!Storable(section, key, value) || contents.find('\0') != std::string::npos) return 0;

  const std::string file = written.value_or(contents);
  Require(jukett::sim::ProfileValue(file, section, key) == value,
          "a stored value reads back as written");
  Require(!jukett::sim::ProfileWithValue(file, section, key, value).has_value(),
          "writing the value that is there leaves the file untouched");
  return 0;
}
