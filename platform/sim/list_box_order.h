#pragma once

#include <string_view>

namespace jukett::sim {

// Whether a sorted list box puts `a` before `b`, in the system's word sort:
// letters count by their base letter, and accents and then letter case only
// tell otherwise equal names apart; hyphens and apostrophes count last of
// all; punctuation comes before digits, digits before letters, and letters
// before other scripts. Names are UTF-8; accented letters are known as far
// as Latin-1 goes.
bool ListBoxOrder(std::string_view a, std::string_view b);

}  // namespace jukett::sim
