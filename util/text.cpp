#include "util/text.h"

#include <algorithm>

namespace jukett {

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lower;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view fragment) {
  return ToLowerAscii(text).find(ToLowerAscii(fragment)) != std::string::npos;
}

std::string RemoveFirstIgnoringCase(std::string_view text, std::string_view fragment) {
  std::string result(text);
  if (fragment.empty()) return result;
  const auto at = ToLowerAscii(text).find(ToLowerAscii(fragment));
  if (at != std::string::npos) result.erase(at, fragment.size());
  return result;
}

}  // namespace jukett
