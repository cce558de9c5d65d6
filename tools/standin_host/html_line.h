#pragma once

// The little HTML a chat line may carry, as the chat client shows it: font
// face and colour, bold. A line becomes runs of text, each in one format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukett::standin {

struct HtmlRun {
  std::string text;                     // the line's own bytes, in its code page
  std::string face;                     // empty: the transcript's own face
  std::optional<std::uint32_t> colour;  // 0xRRGGBB; none: the transcript's own
  bool bold = false;

  bool operator==(const HtmlRun&) const = default;
};

// The runs `line` shows, in order, adjacent runs of one format joined. Tags
// the client does not know are dropped; anything that is not a well-formed
// tag (a lone "<", a font with a colour that is none) is shown as written.
std::vector<HtmlRun> ParseHtmlLine(std::string_view line);

}  // namespace jukett::standin
