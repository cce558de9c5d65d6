#include "platform/sim/sim_profile_files.h"

#include <vector>

#include "platform/sim/sim_code_page.h"
#include "util/text.h"

namespace jukett::sim {
namespace {

// Blank space as the profile reader sees it; the SUB character (Ctrl-Z) ends
// old DOS text files and counts too.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names and values are kept as NUL-terminated texts: a NUL byte in a line
// ends whatever it is in.
std::string Stored(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

struct Entry {
  std::string name;
  std::optional<std::string> value;  // none for a line without "="
};

struct Section {
  std::optional<std::string> name;  // none for the lines before any header
  std::vector<Entry> entries;
};

std::vector<Section> Parse(std::string_view contents) {
  std::vector<Section> sections(1);
  while (!contents.empty()) {
    const auto end = contents.find_first_of("\r\n");
    std::string_view line = Trim(contents.substr(0, end));
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (const auto close = line.rfind(']'); close != std::string_view::npos) {
        sections.push_back({Stored(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      sections.back().entries.push_back({Stored(line), std::nullopt});
    } else {
      sections.back().entries.push_back(
          {Stored(Trim(line.substr(0, equals))), Stored(Trim(line.substr(equals + 1)))});
    }
  }
  return sections;
}

std::string Serialize(const std::vector<Section>& sections) {
  std::string out;
  for (const auto& section : sections) {
    if (section.name && !section.name->empty()) out += "[" + *section.name + "]\r\n";
    for (const auto& entry : section.entries) {
      out += entry.name;
      if (entry.value) out += "=" + *entry.value;
      out += "\r\n";
    }
  }
  return out;
}

bool SameName(std::string_view a, std::string_view b) { return ToLowerAscii(a) == ToLowerAscii(b); }

Section* FindSection(std::vector<Section>& sections, std::string_view name) {
  for (auto& section : sections) {
    if (section.name && SameName(*section.name, name)) return &section;
  }
  return nullptr;
}

Entry* FindEntry(Section& section, std::string_view name) {
  for (auto& entry : section.entries) {
    if (SameName(entry.name, name)) return &entry;
  }
  return nullptr;
}

std::string WithoutQuotes(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key) {
  auto sections = Parse(contents);
  Section* found = FindSection(sections, Trim(section));
  if (found == nullptr) return std::nullopt;
  Entry* entry = FindEntry(*found, Trim(key));
  if (entry == nullptr) return std::nullopt;
  return WithoutQuotes(entry->value.value_or(""));
}

std::optional<std::string> ProfileWithValue(std::string_view contents, std::string_view section,
                                            std::string_view key, std::string_view value) {
  auto sections = Parse(contents);
  Section* found = FindSection(sections, Trim(section));
  if (found == nullptr) {
    sections.push_back({std::string(Trim(section)), {}});
    found = &sections.back();
  }
  // Blanks after the value stay: only a read drops them.
  const std::string stored(TrimLeft(value));
  if (Entry* entry = FindEntry(*found, Trim(key))) {
    if (entry->value == stored) return std::nullopt;
    entry->value = stored;
  } else {
    found->entries.push_back({std::string(Trim(key)), stored});
  }
  return Serialize(sections);
}

namespace {

bool IsUnicode(const std::optional<std::string>& contents) {
  return contents && contents->starts_with(kUtf16Bom);
}

// A file's lines as UTF-8 text, and back in the file's encoding. Every byte
// of the code page has a character, so an 8-bit file comes back as it was.
std::string AsText(const std::optional<std::string>& contents) {
  if (!contents) return {};
  if (!IsUnicode(contents)) return AnsiToUtf8(*contents);
  return Utf16LeToUtf8(std::string_view(*contents).substr(kUtf16Bom.size()));
}

std::string Encoded(std::string_view text, bool unicode) {
  return unicode ? std::string(kUtf16Bom) + Utf8ToUtf16Le(text) : Utf8ToAnsi(text);
}

}  // namespace

std::string SimProfileFiles::ReadString(std::string_view section, std::string_view key,
                                        std::string_view file) {
  return ProfileValue(AsText(files_.ReadFile(file)), section, key).value_or("");
}

void SimProfileFiles::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value, std::string_view file) {
  const auto contents = files_.ReadFile(file);
  // What the code page cannot hold would be lost as "?": the file turns
  // Unicode instead, every line kept, and stays so.
  std::string written(section);
  written.append(key).append(value);
  const bool unicode = IsUnicode(contents) || !AnsiHolds(written);
  const std::string text = AsText(contents);
  const auto updated = ProfileWithValue(text, section, key, value);
  if (!updated && unicode == IsUnicode(contents)) return;
  files_.WriteFile(file, Encoded(updated.value_or(text), unicode));
}

bool SimProfileFiles::Holds(std::string_view text, std::string_view file) {
  return IsUnicode(files_.ReadFile(file)) || AnsiHolds(text);
}

}  // namespace jukett::sim
