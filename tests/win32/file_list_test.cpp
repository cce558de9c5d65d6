// The folder listing the two lists show. The order it gives the tracks: the
// player window's contract.
#include "platform/win32/file_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin_process.h"

namespace jukett::win32 {
namespace {

using testing::NewScratchFolder;

void MakeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  CloseHandle(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
}

TEST(FolderListing, SplitsOneReadingIntoTracksAndFolders) {
  const std::wstring folder = NewScratchFolder();
  MakeFile(folder + L"b.mp3");
  MakeFile(folder + L"A.MP3");
  MakeFile(folder + L"notes.txt");
  MakeFile(folder + L"c.mp3x");
  MakeFile(folder + L"hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(folder + L"system.mp3", FILE_ATTRIBUTE_SYSTEM);
  for (const wchar_t* name : {L"zeta", L"Alpha", L"album.mp3", L"secret"}) {
    CreateDirectoryW((folder + name).c_str(), nullptr);
  }
  SetFileAttributesW((folder + L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);

  const FolderListing listing = ListFolder(folder);
  EXPECT_EQ(listing.mp3Files, (std::vector<std::wstring>{L"A.MP3", L"b.mp3"}));
  EXPECT_EQ(listing.subfolders, (std::vector<std::wstring>{L"album.mp3", L"Alpha", L"zeta"}));

  const FolderListing missing = ListFolder(folder + L"missing");
  EXPECT_TRUE(missing.mp3Files.empty());
  EXPECT_TRUE(missing.subfolders.empty());
}

}  // namespace
}  // namespace jukett::win32
