#include "platform/sim/list_box_order.h"

#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/sim/sim_code_page.h"

namespace jukett::sim {
namespace {

// A name's weights, level by level: what it spells, then its accents, then
// its letter case, then where its hyphens and apostrophes stand.
struct Weights {
  std::vector<std::uint32_t> spelling;
  std::vector<bool> accents;
  std::vector<bool> upperCase;
  std::vector<std::size_t> ignored;
};

enum Group : std::uint32_t { kPunctuation = 1, kDigit, kLetter, kOtherScript };

std::uint32_t Primary(Group group, char32_t value) { return group << 21 | value; }

// The base letter of a Latin-1 letter with an accent (lower case); 0 for
// anything else.
char BaseLetter(char32_t lower) {
  static constexpr char kBases[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // from U+00E0
  return lower >= 0xE0 && lower <= 0xFF ? kBases[lower - 0xE0] : '\0';
}

Weights WeightsOf(std::string_view name) {
  Weights weights;
  auto add = [&weights](std::uint32_t primary, bool accent, bool upper) {
    weights.spelling.push_back(primary);
    weights.accents.push_back(accent);
    weights.upperCase.push_back(upper);
  };
  for (const char32_t point : CodePoints(name)) {
    const bool upper = (point >= 'A' && point <= 'Z') || (point >= 0xC0 && point <= 0xDE);
    const char32_t lower = upper && point != 0xD7 ? point + 0x20 : point;
    if (point == '-' || point == '\'') {
      weights.ignored.push_back(weights.spelling.size());
    } else if (lower >= 'a' && lower <= 'z') {
      add(Primary(kLetter, lower), false, upper);
    } else if (point >= '0' && point <= '9') {
      add(Primary(kDigit, point), false, false);
    } else if (point < 0x80) {
      add(Primary(kPunctuation, point), false, false);
    } else if (point == 0xDF) {  // sharp s: "ss"
      add(Primary(kLetter, 's'), true, false);
      add(Primary(kLetter, 's'), true, false);
    } else if (const char base = BaseLetter(lower)) {
      add(Primary(kLetter, static_cast<char32_t>(base)), true, upper);
    } else {
      add(Primary(kOtherScript, point), false, false);
    }
  }
  return weights;
}

}  // namespace

bool ListBoxOrder(std::string_view a, std::string_view b) {
  const Weights first = WeightsOf(a), second = WeightsOf(b);
  return std::tie(first.spelling, first.accents, first.upperCase, first.ignored) <
         std::tie(second.spelling, second.accents, second.upperCase, second.ignored);
}

}  // namespace jukett::sim
