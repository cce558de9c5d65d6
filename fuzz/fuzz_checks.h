#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

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

}  // namespace jukett::fuzz
