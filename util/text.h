#pragma once

#include <string>
#include <string_view>

namespace jukett {

// Case folding of the ASCII letters only: every text the program compares
// without regard to case (menu markers, "Welcome,", "Chat Input") is ASCII,
// and the other bytes of a UTF-8 text must pass through unchanged.
std::string ToLowerAscii(std::string_view text);
bool ContainsIgnoringCase(std::string_view text, std::string_view fragment);
// `text` without its first occurrence of `fragment`, found without regard to case.
std::string RemoveFirstIgnoringCase(std::string_view text, std::string_view fragment);

}  // namespace jukett
