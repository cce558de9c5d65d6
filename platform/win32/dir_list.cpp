#include "platform/win32/dir_list.h"

#include <windows.h>

#include "platform/win32/ansi_text.h"
#include "platform/win32/file_list.h"
#include "player/folder_paths.h"

namespace jukett::win32 {
namespace {

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Each step further in stands two spaces further to the right.
std::wstring Indented(std::size_t level, const std::wstring& name) {
  return std::wstring(level * 2, L' ') + name;
}

}  // namespace

bool DirList::ChangeTo(const std::wstring& path) {
  const std::wstring folder = ExistingFolder(path);
  if (folder.empty() || SameFolder(folder, folder_)) return false;
  folder_ = folder;
  Refill();
  return true;
}

bool DirList::Open(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= rowFolders_.size()) return false;
  const std::wstring target = rowFolders_[static_cast<std::size_t>(row)];
  if (ChangeTo(target)) return true;
  Refill();
  return false;
}

void DirList::Refill() {
  FolderListing listing = ListFolder(folder_);
  freshMp3Files_ = std::move(listing.mp3Files);
  const std::vector<std::string> chain = FolderChain(WideToUtf8(folder_));
  std::vector<std::wstring> rows;
  rowFolders_.clear();
  for (std::size_t level = 0; level < chain.size(); ++level) {
    rowFolders_.push_back(Utf8ToWide(chain[level]));
    rows.push_back(Indented(level, Utf8ToWide(FolderName(chain[level]))));
  }
  const std::wstring inside = folder_.ends_with(L'\\') ? folder_ : folder_ + L'\\';
  for (const std::wstring& name : listing.subfolders) {
    rowFolders_.push_back(inside + name);
    rows.push_back(Indented(chain.size(), name));
  }
  list_.Fill(rows, static_cast<int>(chain.size()) - 1);
}

std::optional<std::vector<std::wstring>> DirList::TakeMp3FilesOf(const std::wstring& folder) {
  std::optional<std::vector<std::wstring>> names;
  if (freshMp3Files_ && SameFolder(folder, folder_)) names.swap(freshMp3Files_);
  freshMp3Files_.reset();
  return names;
}

}  // namespace jukett::win32
