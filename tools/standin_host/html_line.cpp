#include "tools/standin_host/html_line.h"

#include <cctype>

namespace jukett::standin {

namespace {

// How text looks at some point of the line.
struct Format {
  std::string face;
  std::optional<std::uint32_t> colour;
};

struct Attribute {
  std::string name;  // lower case
  std::string value;
};

// A tag as written between "<" and ">".
struct Tag {
  bool closing = false;
  std::string name;  // lower case
  std::vector<Attribute> attributes;
};

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

void SkipSpaces(std::string_view text, std::size_t& at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
}

std::string LowerWord(std::string_view text, std::size_t& at) {
  std::string word;
  while (at < text.size() &&
         (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '-')) {
    word += Lower(text[at++]);
  }
  return word;
}

// A value in quotes, or unquoted up to the next space.
std::optional<std::string> AttributeValue(std::string_view text, std::size_t& at) {
  if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
    const char quote = text[at++];
    const std::size_t end = text.find(quote, at);
    if (end == std::string_view::npos) return std::nullopt;
    std::string value(text.substr(at, end - at));
    at = end + 1;
    return value;
  }
  const std::size_t start = at;
  while (at < text.size() && !IsSpace(text[at])) ++at;
  return std::string(text.substr(start, at - start));
}

// The tag written as `inside` (the text between "<" and ">"), or none when
// it is not one: no name, or an attribute without a name or an ending quote.
std::optional<Tag> ReadTag(std::string_view inside) {
  Tag tag;
  std::size_t at = 0;
  if (at < inside.size() && inside[at] == '/') {
    tag.closing = true;
    ++at;
  }
  if (at >= inside.size() || !IsLetter(inside[at])) return std::nullopt;
  tag.name = LowerWord(inside, at);
  if (at < inside.size() && !IsSpace(inside[at]) && inside[at] != '/') return std::nullopt;
  while (true) {
    SkipSpaces(inside, at);
    if (at < inside.size() && inside[at] == '/') ++at;  // <br/>
    SkipSpaces(inside, at);
    if (at >= inside.size()) return tag;
    if (!IsLetter(inside[at])) return std::nullopt;
    Attribute attribute{LowerWord(inside, at), {}};
    SkipSpaces(inside, at);
    if (at < inside.size() && inside[at] == '=') {
      ++at;
      SkipSpaces(inside, at);
      const auto value = AttributeValue(inside, at);
      if (!value) return std::nullopt;
      attribute.value = *value;
    }
    tag.attributes.push_back(std::move(attribute));
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Lower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#RRGGBB" as 0xRRGGBB.
std::optional<std::uint32_t> ReadColour(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return std::nullopt;
  std::uint32_t colour = 0;
  for (char c : value.substr(1)) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    colour = colour << 4 | static_cast<std::uint32_t>(digit);
  }
  return colour;
}

// The format a font tag opens on top of `outer`, or none when its colour
// is not one.
std::optional<Format> OpenFont(const Tag& tag, const Format& outer) {
  Format format = outer;
  for (const Attribute& attribute : tag.attributes) {
    if (attribute.name == "face" && !attribute.value.empty()) {
      format.face = attribute.value;
    } else if (attribute.name == "color") {
      const auto colour = ReadColour(attribute.value);
      if (!colour) return std::nullopt;
      format.colour = colour;
    }
  }
  return format;
}

// Walks the line, keeping the open fonts and bolds, and collects the runs.
class LineReader {
 public:
  std::vector<HtmlRun> Read(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size()) {
      const std::size_t open = line.find('<', at);
      if (open == std::string_view::npos) {
        Show(line.substr(at));
        break;
      }
      Show(line.substr(at, open - at));
      const std::size_t close = line.find_first_of("<>", open + 1);
      const bool enclosed = close != std::string_view::npos && line[close] == '>';
      if (!enclosed || !Apply(line.substr(open + 1, close - open - 1))) {
        Show(line.substr(open, 1));
        at = open + 1;
        continue;
      }
      at = close + 1;
    }
    return std::move(runs_);
  }

 private:
  // False when `inside` is no tag the line may hold, so it is shown as text.
  bool Apply(std::string_view inside) {
    const auto tag = ReadTag(inside);
    if (!tag) return false;
    if (tag->name == "b") {
      if (!tag->closing) {
        ++bolds_;
      } else if (bolds_ > 0) {
        --bolds_;
      }
    } else if (tag->name == "font") {
      if (tag->closing) {
        if (fonts_.size() > 1) fonts_.pop_back();
        return true;
      }
      const auto format = OpenFont(*tag, fonts_.back());
      if (!format) return false;
      fonts_.push_back(*format);
    }
    return true;
  }

  void Show(std::string_view text) {
    if (text.empty()) return;
    HtmlRun run{std::string(text), fonts_.back().face, fonts_.back().colour, bolds_ > 0};
    if (!runs_.empty() && SameFormat(runs_.back(), run)) {
      runs_.back().text += run.text;
    } else {
      runs_.push_back(std::move(run));
    }
  }

  static bool SameFormat(const HtmlRun& a, const HtmlRun& b) {
    return a.face == b.face && a.colour == b.colour && a.bold == b.bold;
  }

  std::vector<Format> fonts_{Format{}};  // the line's own format at the bottom
  int bolds_ = 0;
  std::vector<HtmlRun> runs_;
};

}  // namespace

std::vector<HtmlRun> ParseHtmlLine(std::string_view line) { return LineReader().Read(line); }

}  // namespace jukett::standin
