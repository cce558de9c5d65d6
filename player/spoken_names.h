#pragma once

#include <span>
#include <string>
#include <string_view>

#include "player/form_layout.h"

namespace jukett {

// What a screen reader says a control of the window is while its caption is
// `caption`: a button's name from the table, turned to the other state when
// the caption shows it (resume, unmute, hide folders); a text's own caption.
std::string SpokenName(const ControlLayout& layout, std::string_view caption);

// The window's controls in the order a reader meets them: row by row from
// the top, left to right in each row.
std::span<const Control> ReadingOrder();

}  // namespace jukett
