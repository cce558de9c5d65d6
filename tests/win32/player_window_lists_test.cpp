// The real player window's two lists: the MP3 files of a folder and the
// chain of folders, changed only to folders that exist.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_tray.h"
#include "tests/win32/player_window_fixture.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/window_capture.h"

namespace jukett::testing {
namespace {

TEST_F(PlayerWindow, FileListHoldsTheMp3NamesSortedAndSelectsWithoutPlaying) {
  const std::wstring folder = NewScratchFolder();
  for (const wchar_t* name : {L"b.mp3", L"A.MP3", L"c.mp3x", L"notes.txt", L"\u00e9t\u00e9.Mp3"}) {
    MakeFile(folder + name);
  }
  CreateDirectoryW((folder + L"folder.mp3").c_str(), nullptr);
  form.SetFileListPath(win32::WideToUtf8(folder.substr(0, folder.size() - 1)));
  ASSERT_EQ(form.FileCount(), 3);
  EXPECT_EQ(form.SelectedIndex(), -1);
  EXPECT_EQ(form.SelectedFileName(), "");
  std::vector<std::string> names;
  for (int i = 0; i < 3; ++i) {
    form.SetSelectedIndex(i);
    names.push_back(form.SelectedFileName());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A.MP3", "b.mp3", "\xC3\xA9t\xC3\xA9.Mp3"}));
  form.SetSelectedIndex(1);
  form.SetSelectedIndex(7);  // beyond the list: the selection stays
  EXPECT_EQ(form.SelectedIndex(), 1);
  EXPECT_EQ(events.Count("DblClick"), 0);

  // A real double-click on the list is its double-click event.
  ShowAndSettle();
  HWND list = form.ListWindow(Control::File1);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 3));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 3));
  EXPECT_EQ(events.Count("DblClick"), 0) << "a single click only selects";
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 3));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 3));
  EXPECT_EQ(events.Count("DblClick"), 1);
  EXPECT_EQ(form.SelectedIndex(), 0);

  form.SetSelectedIndex(-1);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetFileListPath(win32::WideToUtf8(folder + L"missing"));
  EXPECT_EQ(form.FileCount(), 0);
}

TEST_F(PlayerWindow, DirectoryListChangesOnlyToFoldersThatExist) {
  const std::wstring folder = NewScratchFolder();
  CreateDirectoryW((folder + L"Zed").c_str(), nullptr);
  CreateDirectoryW((folder + L"alpha").c_str(), nullptr);
  const std::string base = win32::WideToUtf8(folder.substr(0, folder.size() - 1));

  form.SetDirPath(base + "\\");
  EXPECT_EQ(form.DirPath(), base) << "no trailing separator";
  EXPECT_EQ(events.Count("Change"), 1);
  form.SetDirPath(base);
  EXPECT_EQ(events.Count("Change"), 1) << "the same folder is no change";
  form.SetDirPath(base + "\\nowhere");
  EXPECT_EQ(form.DirPath(), base);
  EXPECT_EQ(events.Count("Change"), 1);
  form.SetDirPath("C:/");
  EXPECT_EQ(form.DirPath(), "C:\\");
  EXPECT_EQ(events.Count("Change"), 2);

  // The list: the chain down to the folder, then its folders in order.
  form.SetDirPath(base);
  HWND dir = form.ListWindow(Control::Dir1);
  const int count = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0));
  ASSERT_GE(count, 3);
  wchar_t text[MAX_PATH] = {};
  SendMessageW(dir, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"C:\\");
  SendMessageW(dir, LB_GETTEXT, count - 2, reinterpret_cast<LPARAM>(text));
  EXPECT_NE(std::wstring(text).find(L"alpha"), std::wstring::npos);
  SendMessageW(dir, LB_GETTEXT, count - 1, reinterpret_cast<LPARAM>(text));
  EXPECT_NE(std::wstring(text).find(L"Zed"), std::wstring::npos);

  // Opened by a double-click on its entry, in the tall window.
  form.SetHeight(kTallHeight);
  ShowAndSettle();
  RECT item{};
  SendMessageW(dir, LB_SETTOPINDEX, count - 1, 0);
  SendMessageW(dir, LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM where = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageW(dir, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(dir, WM_LBUTTONUP, 0, where);
  SendMessageW(dir, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  SendMessageW(dir, WM_LBUTTONUP, 0, where);
  EXPECT_EQ(form.DirPath(), base + "\\Zed");
  EXPECT_EQ(events.events.back().what, "Change");
}

TEST_F(PlayerWindow, ReturnOpensTheChosenFolderInTheDirectoryListOnly) {
  const std::wstring folder = NewScratchFolder();
  CreateDirectoryW((folder + L"Inner").c_str(), nullptr);
  MakeFile(folder + L"song.mp3");
  const std::string base = win32::WideToUtf8(folder.substr(0, folder.size() - 1));
  form.SetDirPath(base);
  form.SetFileListPath(base);
  ShowAndSettle();

  HWND file = form.ListWindow(Control::File1);
  form.SetSelectedIndex(0);
  SendMessageW(file, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(file, WM_CHAR, L'\r', 0);
  EXPECT_EQ(events.Count("DblClick"), 0) << "Return plays nothing";
  EXPECT_EQ(form.SelectedIndex(), 0);

  HWND dir = form.ListWindow(Control::Dir1);
  const int changes = events.Count("Change");
  const int last = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0)) - 1;
  SendMessageW(dir, LB_SETCURSEL, last, 0);
  SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(form.DirPath(), base + "\\Inner");
  EXPECT_EQ(events.Count("Change"), changes + 1);
  SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);  // the folder already shown
  EXPECT_EQ(events.Count("Change"), changes + 1);
}

}  // namespace
}  // namespace jukett::testing
