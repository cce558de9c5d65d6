#include "platform/sim/sim_file_system.h"

#include <algorithm>
#include <cctype>

#include "util/text.h"

namespace jukett::sim {

struct SimFileSystem::Node {
  std::string name;       // as created
  std::string shortName;  // the 8.3 form; equal to name when it fits
  bool directory = false;
  bool readOnly = false;
  bool noNewFiles = false;
  Hold hold = Hold::kNone;
  bool readDenied = false;
  std::string contents;
  std::map<std::string, std::unique_ptr<Node>> children;  // by folded long name

  Node* Child(std::string_view component, bool matchShort) const {
    const std::string folded = ToLowerAscii(component);
    if (auto it = children.find(folded); it != children.end()) return it->second.get();
    if (!matchShort) return nullptr;
    for (const auto& [key, child] : children) {
      if (ToLowerAscii(child->shortName) == folded) return child.get();
    }
    return nullptr;
  }
};

namespace {

// Components of an absolute path; empty components from doubled separators
// are dropped. The first component is the drive ("C:").
std::vector<std::string> Split(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

bool IsDrive(std::string_view part) {
  return part.size() == 2 && part[1] == ':' && std::isalpha(static_cast<unsigned char>(part[0]));
}

std::string ToUpperDrive(std::string_view drive) {
  return {static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0]))), ':'};
}

// Characters a short name may hold besides letters and digits.
bool IsShortNameChar(unsigned char c) {
  if (std::isalnum(c)) return true;
  return std::string_view("$%'-_@~`!(){}^#&").find(static_cast<char>(c)) != std::string_view::npos;
}

bool FitsShortName(std::string_view name) {
  const auto dot = name.find('.');
  const std::string_view base = name.substr(0, dot);
  const std::string_view ext =
      dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
  if (dot != std::string_view::npos && ext.empty()) return false;
  if (ext.find('.') != std::string_view::npos) return false;
  for (unsigned char c : base) {
    if (!IsShortNameChar(c)) return false;
  }
  for (unsigned char c : ext) {
    if (!IsShortNameChar(c)) return false;
  }
  return true;
}

// Upper-cased short-name characters of `text`: blanks and dots dropped, any
// other character a short name cannot hold (a whole UTF-8 sequence counts as
// one) becomes "_".
std::string ShortChars(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '.') continue;
    if (c >= 0x80) {
      while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
      out += '_';
    } else if (IsShortNameChar(c)) {
      out += static_cast<char>(std::toupper(c));
    } else {
      out += '_';
    }
  }
  return out;
}

}  // namespace

std::string MakeShortName(std::string_view longName, const std::vector<std::string>& taken) {
  if (FitsShortName(longName)) return std::string(longName);
  const auto dot = longName.rfind('.');
  std::string base = ShortChars(longName.substr(0, dot));
  std::string ext =
      dot == std::string_view::npos ? std::string{} : ShortChars(longName.substr(dot + 1));
  if (ext.size() > 3) ext.resize(3);
  if (base.empty()) base.push_back('_');
  for (int n = 1;; ++n) {
    std::string tail = "~";
    tail.append(std::to_string(n));
    std::string candidate = base.substr(0, 8 - tail.size());
    candidate.append(tail);
    if (!ext.empty()) candidate.append(".").append(ext);
    if (std::find(taken.begin(), taken.end(), ToLowerAscii(candidate)) == taken.end()) {
      return candidate;
    }
  }
}

SimFileSystem::SimFileSystem() : root_(std::make_unique<Node>()) { root_->directory = true; }
SimFileSystem::~SimFileSystem() = default;

SimFileSystem::Node* SimFileSystem::Find(std::string_view path) const {
  const auto parts = Split(path);
  if (parts.empty() || !IsDrive(parts.front())) return nullptr;
  Node* node = root_.get();
  for (const auto& part : parts) {
    if (!node->directory) return nullptr;
    node = node->Child(part, shortNames_);
    if (node == nullptr) return nullptr;
  }
  return node;
}

SimFileSystem::Node* SimFileSystem::Make(std::string_view path, bool directory) {
  const auto parts = Split(path);
  if (parts.empty() || !IsDrive(parts.front())) return nullptr;
  Node* node = root_.get();
  for (size_t i = 0; i < parts.size(); ++i) {
    const bool last = i + 1 == parts.size();
    Node* child = node->Child(parts[i], shortNames_);
    if (child == nullptr) {
      auto made = std::make_unique<Node>();
      made->name = i == 0 ? ToUpperDrive(parts[i]) : parts[i];
      made->directory = !last || directory;
      std::vector<std::string> taken;
      for (const auto& [key, sibling] : node->children) {
        taken.push_back(ToLowerAscii(sibling->shortName));
      }
      made->shortName = i == 0 ? made->name : MakeShortName(made->name, taken);
      child = made.get();
      node->children.emplace(ToLowerAscii(made->name), std::move(made));
    }
    if (!last && !child->directory) return nullptr;
    node = child;
  }
  return node->directory == directory ? node : nullptr;
}

void SimFileSystem::AddDirectory(std::string_view path) { Make(path, true); }

void SimFileSystem::AddFile(std::string_view path, std::string contents) {
  if (Node* node = Make(path, false)) node->contents = std::move(contents);
}

SimFileSystem::Node* SimFileSystem::FolderOf(std::string_view path) const {
  if (Split(path).size() < 2) return nullptr;
  Node* folder = Find(path.substr(0, path.find_last_of("\\/")));
  return folder != nullptr && folder->directory ? folder : nullptr;
}

void SimFileSystem::RemoveFile(std::string_view path) {
  Node* file = Find(path);
  Node* folder = FolderOf(path);
  if (file == nullptr || file->directory || folder == nullptr) return;
  std::erase_if(folder->children, [file](const auto& entry) { return entry.second.get() == file; });
}

void SimFileSystem::SetReadOnly(std::string_view directory, bool readOnly) {
  if (Node* node = Find(directory); node != nullptr && node->directory) node->readOnly = readOnly;
}

void SimFileSystem::SetNoNewFiles(std::string_view directory, bool refused) {
  if (Node* node = Find(directory); node != nullptr && node->directory) node->noNewFiles = refused;
}

void SimFileSystem::SetHold(std::string_view file, Hold hold) {
  if (Node* node = Find(file); node != nullptr && !node->directory) node->hold = hold;
}

void SimFileSystem::SetReadDenied(std::string_view file, bool denied) {
  if (Node* node = Find(file); node != nullptr && !node->directory) node->readDenied = denied;
}

void SimFileSystem::SetShortNames(bool enabled) { shortNames_ = enabled; }

bool SimFileSystem::FileExists(std::string_view path) const {
  const Node* node = Find(path);
  return node != nullptr && !node->directory;
}

bool SimFileSystem::DirectoryExists(std::string_view path) const {
  const Node* node = Find(path);
  return node != nullptr && node->directory;
}

std::optional<std::string> SimFileSystem::ReadFile(std::string_view path) const {
  const Node* node = Find(path);
  if (node == nullptr || node->directory || node->hold == Hold::kExclusive || node->readDenied) {
    return std::nullopt;
  }
  return node->contents;
}

bool SimFileSystem::WriteFile(std::string_view path, std::string contents) {
  Node* folder = FolderOf(path);
  if (folder == nullptr || folder->readOnly) return false;
  if (const Node* existing = Find(path)) {
    if (existing->hold == Hold::kExclusive) return false;
  } else if (folder->noNewFiles) {
    return false;
  }
  Node* file = Make(path, false);
  if (file == nullptr) return false;
  file->contents = std::move(contents);
  return true;
}

bool SimFileSystem::MoveFile(std::string_view from, std::string_view to) {
  const Node* source = Find(from);
  Node* folder = FolderOf(to);
  if (source == nullptr || source->directory || folder == nullptr || folder != FolderOf(from) ||
      folder->readOnly || folder->noNewFiles) {
    return false;
  }
  if (const Node* target = Find(to)) {
    if (target->directory || target->hold != Hold::kNone) return false;
    if (target == source) return true;
  }
  std::string contents = source->contents;
  RemoveFile(from);
  RemoveFile(to);
  Make(to, false)->contents = std::move(contents);
  return true;
}

std::vector<std::string> SimFileSystem::Files(std::string_view directory) const {
  std::vector<std::string> names;
  const Node* node = Find(directory);
  if (node == nullptr || !node->directory) return names;
  for (const auto& [key, child] : node->children) {
    if (!child->directory) names.push_back(child->name);
  }
  return names;
}

std::vector<std::string> SimFileSystem::Directories(std::string_view directory) const {
  std::vector<std::string> names;
  const Node* node = Find(directory);
  if (node == nullptr || !node->directory) return names;
  for (const auto& [key, child] : node->children) {
    if (child->directory) names.push_back(child->name);
  }
  return names;
}

std::string SimFileSystem::ShortPath(std::string_view path) const {
  if (!shortNames_) return LongPath(path);
  if (Find(path) == nullptr) return {};
  std::string out;
  const Node* node = root_.get();
  for (const auto& part : Split(path)) {
    node = node->Child(part, true);
    if (!out.empty()) out += '\\';
    out += node->shortName;
  }
  return out;
}

std::string SimFileSystem::LongPath(std::string_view path) const {
  if (Find(path) == nullptr) return {};
  std::string out;
  const Node* node = root_.get();
  for (const auto& part : Split(path)) {
    node = node->Child(part, shortNames_);
    if (!out.empty()) out += '\\';
    out += node->name;
  }
  // A drive on its own is its root, as the platform writes it.
  if (out.size() == 2 && out[1] == ':') out += '\\';
  return out;
}

}  // namespace jukett::sim
