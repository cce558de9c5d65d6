#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukett::sim {

// An in-memory Windows file system: drive letters, names matched without
// regard to case (ASCII letters folded, other UTF-8 bytes compared as they
// are), "\" and "/" both separators, 8.3 short names for names that need
// them, and directories that refuse writes. Paths are absolute ("C:\a\b").
// Tests stage folders and files on it; the simulated platform adapters read
// and write through it.
class SimFileSystem {
 public:
  SimFileSystem();
  ~SimFileSystem();
  SimFileSystem(const SimFileSystem&) = delete;
  SimFileSystem& operator=(const SimFileSystem&) = delete;

  // Staging: parents are created as needed, and read-only folders are no
  // obstacle to the test that builds the world.
  void AddDirectory(std::string_view path);
  void AddFile(std::string_view path, std::string contents = {});
  void RemoveFile(std::string_view path);
  void SetReadOnly(std::string_view directory, bool readOnly);
  // Off: the volume keeps no 8.3 names, and a "short" path is the long one.
  void SetShortNames(bool enabled);

  bool FileExists(std::string_view path) const;
  bool DirectoryExists(std::string_view path) const;
  std::optional<std::string> ReadFile(std::string_view path) const;
  // Creates or replaces a file the way a program would: false when the
  // folder is missing or read-only, or the name is taken by a folder.
  bool WriteFile(std::string_view path, std::string contents);

  // Names as created, in no promised order; empty for a missing folder.
  std::vector<std::string> Files(std::string_view directory) const;
  std::vector<std::string> Directories(std::string_view directory) const;
  // The path with each component in its 8.3 form, "\" separated; empty when
  // nothing is there.
  std::string ShortPath(std::string_view path) const;
  // The path with each component as created (long names), "\" separated;
  // empty when nothing is there. Short names are accepted in `path`.
  std::string LongPath(std::string_view path) const;

 private:
  struct Node;
  Node* Find(std::string_view path) const;
  Node* Make(std::string_view path, bool directory);

  std::unique_ptr<Node> root_;  // holds the drives as its folders
  bool shortNames_ = true;
};

// The 8.3 form a name gets among siblings whose short names are `taken`
// (folded); the name itself when it already fits.
std::string MakeShortName(std::string_view longName, const std::vector<std::string>& taken);

}  // namespace jukett::sim
