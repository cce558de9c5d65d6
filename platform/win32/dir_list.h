#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/list_box.h"

namespace jukett::win32 {

// The directory list: the chain of folders from the drive down to the one it
// shows, each a step further in, then the folders inside that one. Every row
// stands for its folder, and opening a row shows that folder.
class DirList {
 public:
  explicit DirList(ListBox& list) : list_(list) {}

  const std::wstring& Folder() const { return folder_; }

  // Shows the folder at `path`: false when no folder is there or it is the
  // one already shown, and the list stays as it is.
  bool ChangeTo(const std::wstring& path);
  // Shows the folder of `row`: false when nothing changed, and then the list
  // is filled anew, for the folder may have gone since it was listed.
  bool Open(int row);
  // Lists the shown folder's chain and subfolders as they are now.
  void Refill();

  // The MP3 files of `folder` when it is the one just listed: the same read
  // of the folder serves both lists, once. Nothing otherwise.
  std::optional<std::vector<std::wstring>> TakeMp3FilesOf(const std::wstring& folder);
  // What was read for the track list goes stale once the change is handled.
  void ForgetMp3Files() { freshMp3Files_.reset(); }

 private:
  ListBox& list_;
  std::wstring folder_;
  std::vector<std::wstring> rowFolders_;
  std::optional<std::vector<std::wstring>> freshMp3Files_;
};

}  // namespace jukett::win32
