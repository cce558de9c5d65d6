// The simulated settings file's profile rules on arbitrary bytes. Any file
// reads and takes a write without fault. In a text file, where a value can be
// stored at all (one line, no blank space at its ends, not wrapped in quotes,
// under a section and key that read back as themselves), reading it after the
// write gives it back, writing it once more leaves the file untouched, and
// every other key reads as it did before.
//
// Two kinds of file are read and written but not held to these rules, since
// the platform's own profile functions (Wine's, tried) treat them just as the
// simulated ones do. A NUL byte ends the name or value it is in: "[a \0]"
// names a section "a " that the write saves as "[a ]", which then reads as
// "a". And a write drops a nameless section's header ("[]"), so its keys join
// the section above it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"
#include "platform/sim/sim_profile_files.h"
#include "util/text.h"

namespace {

using jukett::fuzz::Require;

// Blank space as the profile rules see it, Ctrl-Z included.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool OnOneLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool Quoted(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
         text.back() == text.front();
}

bool StorableSection(std::string_view name) {
  return !name.empty() && OnOneLine(name) && Trim(name) == name;
}

// A key line that starts with "[" would read as a section, and the first "="
// ends a key.
bool StorableKey(std::string_view name) {
  return StorableSection(name) && name.front() != '[' && name.find('=') == std::string_view::npos;
}

bool StorableValue(std::string_view value) {
  return OnOneLine(value) && Trim(value) == value && !Quoted(value);
}

bool HasNamelessSection(std::string_view contents) {
  while (!contents.empty()) {
    const auto end = contents.find_first_of("\r\n");
    const std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    const auto close = line.rfind(']');
    if (line.starts_with('[') && close != std::string_view::npos &&
        Trim(line.substr(1, close - 1)).empty()) {
      return true;
    }
  }
  return false;
}

bool IsTextFile(std::string_view contents) {
  return contents.find('\0') == std::string_view::npos && !HasNamelessSection(contents);
}

bool SameName(std::string_view a, std::string_view b) {
  return jukett::ToLowerAscii(a) == jukett::ToLowerAscii(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(64);
  const std::string key = input.ConsumeRandomLengthString(64);
  const std::string value = input.ConsumeRandomLengthString(256);
  const std::string otherSection = input.ConsumeRandomLengthString(64);
  const std::string otherKey = input.ConsumeRandomLengthString(64);
  const std::string contents = input.ConsumeRemainingBytesAsString();

  const auto otherBefore = jukett::sim::ProfileValue(contents, otherSection, otherKey);
  const auto written = jukett::sim::ProfileWithValue(contents, section, key, value);
  if (!StorableSection(section) || !StorableKey(key) || !StorableValue(value) ||
      !IsTextFile(contents)) {
    return 0;
  }

  const std::string file = written.value_or(contents);
  Require(jukett::sim::ProfileValue(file, section, key) == value,
          "a stored value reads back as written");
  Require(!jukett::sim::ProfileWithValue(file, section, key, value).has_value(),
          "writing the value that is there leaves the file untouched");
  if (StorableSection(otherSection) && StorableKey(otherKey) &&
      !(SameName(otherSection, section) && SameName(otherKey, key))) {
    Require(jukett::sim::ProfileValue(file, otherSection, otherKey) == otherBefore,
            "every other key reads as before");
  }
  return 0;
}
