#pragma once

#include <string>

namespace jukett::bench {

// The folder this program runs from, with a trailing backslash.
std::wstring ProgramFolder();

// A new folder under the temporary folder, removed with all it holds when
// this goes out of scope.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // `name` inside the folder, created as a folder; with a trailing backslash.
  std::wstring Subfolder(const std::wstring& name) const;
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// Fills `folder` with `count` empty files named like a music collection.
void MakeMp3Files(const std::wstring& folder, int count);

// Copies the player next to its own settings file in `folder`, remembering
// `musicFolder`; returns the copy's path.
std::wstring PlayerCopyIn(const std::wstring& folder, const std::wstring& musicFolder);

}  // namespace jukett::bench
