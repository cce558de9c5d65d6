// The folder listing the two lists show, against the platform's own sorted
// list box.
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

// The order a list box with LBS_SORT gives the names added to it.
std::vector<std::wstring> SortedByListBox(const std::vector<std::wstring>& names) {
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100,
                              100, nullptr, nullptr, nullptr, nullptr);
  for (const std::wstring& name : names) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  std::vector<std::wstring> sorted;
  wchar_t text[MAX_PATH];
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    sorted.emplace_back(text);
  }
  DestroyWindow(list);
  return sorted;
}

TEST(FolderListing, SortsTheTracksAsASortedListBoxDoes) {
  const std::wstring folder = NewScratchFolder();
  const std::vector<std::wstring> names = {
      L"track 10.mp3",   L"Track 9.mp3",      L"track-2.mp3",       L"track_2.mp3", L"track 2.mp3",
      L"Zebra.MP3",      L"zebra b.mp3",      L"\u00e9t\u00e9.mp3", L"ete.mp3",     L"Ete 2.mp3",
      L"\u00c4rger.mp3", L"Apfel.mp3",        L"o'clock.mp3",       L"oclock.mp3",  L"(live).mp3",
      L"1.mp3",          L"\u65e5\u672c.mp3", L"\u00df.mp3",        L"~tilde.mp3"};
  for (const std::wstring& name : names) MakeFile(folder + name);

  EXPECT_EQ(ListFolder(folder).mp3Files, SortedByListBox(names));
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
