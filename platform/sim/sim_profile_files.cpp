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

// The encodings a file may come in, by its byte-order mark, as the real
// adapter tells them; UTF-16BE and UTF-8 are made UTF-16LE before the
// platform's functions touch the file, since only Wine reads them.
enum class Encoding { kAnsi, kUtf16Le, kUtf16Be, kUtf8 };

Encoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf16Bom)) return Encoding::kUtf16Le;
  if (bytes.starts_with(kUtf16BeBom)) return Encoding::kUtf16Be;
  if (bytes.starts_with(kUtf8Bom)) return Encoding::kUtf8;
  return Encoding::kAnsi;
}

bool ReadByWineOnly(Encoding encoding) {
  return encoding == Encoding::kUtf16Be || encoding == Encoding::kUtf8;
}

// A file's lines as UTF-8 text, read in the encoding its mark names. Every
// byte of the code page has a character, so an 8-bit file comes back as it
// was.
std::string AsText(std::string_view bytes) {
  switch (EncodingOf(bytes)) {
    case Encoding::kUtf16Le:
      return Utf16LeToUtf8(bytes.substr(kUtf16Bom.size()));
    case Encoding::kUtf16Be:
      return Utf16BeToUtf8(bytes.substr(kUtf16BeBom.size()));
    case Encoding::kUtf8:
      return Utf16LeToUtf8(Utf8ToUtf16Le(bytes.substr(kUtf8Bom.size())));
    default:
      return AnsiToUtf8(bytes);
  }
}

// The bytes of a file the program can open, "" for one not there; nothing
// for one that is there and cannot be read.
std::optional<std::string> Contents(const SimFileSystem& files, std::string_view file) {
  auto contents = files.ReadFile(file);
  if (!contents && !files.FileExists(file)) contents.emplace();
  return contents;
}

// As the real adapter does it: the file's lines in UTF-16LE go into a new
// file beside it, which then replaces it; a failed step leaves no new file.
bool MakeUtf16Le(SimFileSystem& files, std::string_view file) {
  const auto contents = Contents(files, file);
  if (!contents) return false;
  if (EncodingOf(*contents) == Encoding::kUtf16Le) return true;
  const std::string fresh = std::string(file) + ".new";
  if (!files.WriteFile(fresh, std::string(kUtf16Bom) + Utf8ToUtf16Le(AsText(*contents)))) {
    return false;
  }
  if (files.MoveFile(fresh, file)) return true;
  files.RemoveFile(fresh);
  return false;
}

}  // namespace

std::string SimProfileFiles::ReadString(std::string_view section, std::string_view key,
                                        std::string_view file) {
  if (const auto contents = Contents(files_, file);
      contents && ReadByWineOnly(EncodingOf(*contents))) {
    MakeUtf16Le(files_, file);
  }
  return ProfileValue(AsText(files_.ReadFile(file).value_or("")), section, key).value_or("");
}

void SimProfileFiles::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value, std::string_view file) {
  const auto before = Contents(files_, file);
  if (!before) return;
  // What the code page cannot hold would be lost as "?": the file turns
  // Unicode instead, every line kept, and stays so.
  std::string written(section);
  written.append(key).append(value);
  const Encoding encoding = EncodingOf(*before);
  const bool toUtf16Le =
      ReadByWineOnly(encoding) || (encoding == Encoding::kAnsi && !AnsiHolds(written));
  if (toUtf16Le && !MakeUtf16Le(files_, file)) return;
  // The platform's own write: the file read and rewritten in place.
  const auto contents = Contents(files_, file);
  if (!contents) return;
  const auto updated = ProfileWithValue(AsText(*contents), section, key, value);
  if (!updated) return;
  files_.WriteFile(file, EncodingOf(*contents) == Encoding::kUtf16Le
                             ? std::string(kUtf16Bom) + Utf8ToUtf16Le(*updated)
                             : Utf8ToAnsi(*updated));
}

bool SimProfileFiles::Holds(std::string_view text, std::string_view file) {
  if (AnsiHolds(text)) return true;
  const auto contents = files_.ReadFile(file);
  return contents && EncodingOf(*contents) != Encoding::kAnsi;
}

}  // namespace jukett::sim
