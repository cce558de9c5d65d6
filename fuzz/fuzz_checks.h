#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sim/sim_code_page.h"

namespace jukett::fuzz {

// Stops the run with a message when a property fails: libFuzzer keeps the
// input that did it.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// The chat client sends its input at a line break, so an announcement must
// hold none.
inline bool IsOneLine(std::string_view line) {
  return line.find_first_of("\r\n") == std::string_view::npos;
}

// Another program's text as the player reads it: in the code page, where a
// character it lacks is "?", and at most `units` of the code page's units.
inline std::string AsReadInTheCodePage(std::string_view text,
                                       std::size_t units = std::string::npos) {
  return sim::AnsiToUtf8(sim::Utf8ToAnsi(text).substr(0, units));
}

}  // namespace jukett::fuzz
