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
// them, directories that refuse writes or new files, and files that another
// program holds open. Paths are absolute ("C:\a\b"). Tests stage folders
// and files on it; the simulated platform adapters read and write through it.
class SimFileSystem {
 public:
  // How another program (an editor, a sync client, a virus scanner) holds a
  // file open. Held at all, the file cannot be replaced or removed; held
  // without sharing, nobody else can open it either, which is also what a
  // file whose reading is denied does.
  enum class Hold { kNone, kSharing, kExclusive };

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
  // Files already in `directory` can still be written; no new one can be
  // created there (a folder whose permissions allow editing only).
  void SetNoNewFiles(std::string_view directory, bool refused);
  // Until set back to kNone; nothing for a file that is not there.
  void SetHold(std::string_view file, Hold hold);
  // The file's permissions deny reading it, not writing, replacing or
  // removing it.
  void SetReadDenied(std::string_view file, bool denied);
  // Off: the volume keeps no 8.3 names, and a "short" path is the long one.
  void SetShortNames(bool enabled);

  bool FileExists(std::string_view path) const;
  bool DirectoryExists(std::string_view path) const;
  // The bytes as a program reads them: nullopt when the file is missing or
  // cannot be read (held without sharing, reading denied).
  std::optional<std::string> ReadFile(std::string_view path) const;
  // Creates or replaces a file the way a program would: false when the
  // folder is missing or read-only, the file is new and the folder takes no
  // new files, the file is held without sharing, or the name is taken by a
  // folder.
  bool WriteFile(std::string_view path, std::string contents);
  // Renames `from` to `to` in the same folder, replacing a file there: false
  // when `from` is missing, the folder is read-only or takes no new files, or
  // `to` is held open at all.
  bool MoveFile(std::string_view from, std::string_view to);

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
  Node* FolderOf(std::string_view path) const;

  std::unique_ptr<Node> root_;  // holds the drives as its folders
  bool shortNames_ = true;
};

// The 8.3 form a name gets among siblings whose short names are `taken`
// (folded); the name itself when it already fits.
std::string MakeShortName(std::string_view longName, const std::vector<std::string>& taken);

}  // namespace jukett::sim
