// Folder-path tidying and MP3-name matching on arbitrary paths and names: a
// tidy path tidies to itself and uses only single "\" (but for the two that
// open a network path); its folder chain runs from the root down to it, each
// step a tidy path; its folder name is its end; and a name is an MP3 name by
// its last four characters alone, in any letter case.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_checks.h"
#include "player/folder_paths.h"

namespace {

using jukett::fuzz::Require;

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

void CheckTidy(std::string_view path) {
  const std::string tidy = jukett::TidyFolderPath(path);
  Require(jukett::TidyFolderPath(tidy) == tidy, "a tidy path tidies to itself");
  Require(tidy.find('/') == std::string::npos, "a tidy path has only backslashes");
  Require(tidy.find("\\\\", 1) == std::string::npos,
          "only a network path's opening holds two separators in a row");

  const auto chain = jukett::FolderChain(path);
  Require(chain.empty() == tidy.empty(), "only an empty path has no folder chain");
  for (std::size_t i = 0; i < chain.size(); ++i) {
    Require(jukett::TidyFolderPath(chain[i]) == chain[i], "each folder of a chain is tidy");
    if (i > 0) Require(chain[i].starts_with(chain[i - 1]), "a chain runs down from the root");
  }
  if (!chain.empty()) Require(chain.back() == tidy, "a chain ends at the path itself");

  const std::string name = jukett::FolderName(path);
  Require(tidy.ends_with(name), "the folder name ends the path");
  if (chain.size() > 1) {
    Require(name.find('\\') == std::string::npos, "a folder name below the root is one part");
  }
}

void CheckMp3Name(std::string_view name) {
  const bool mp3 = jukett::IsMp3Name(name);
  Require(jukett::IsMp3Name(UpperAscii(name)) == mp3, "letter case does not matter");
  Require(jukett::IsMp3Name("x" + std::string(name)) == mp3, "only the last four characters count");
  Require(jukett::IsMp3Name(std::string(name) + ".Mp3"), "a name ending in .mp3 matches");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckTidy(text);
  CheckMp3Name(text);
  return 0;
}
