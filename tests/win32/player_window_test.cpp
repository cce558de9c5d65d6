// The real player window, built from its table and looked at pixel by pixel,
// and held to the player window's contract.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_tray.h"
#include "tests/win32/player_window_fixture.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/window_capture.h"

namespace jukett::testing {
namespace {

void ExpectFramed(const WindowCapture& shot, int height) {
  ASSERT_EQ(shot.Width(), 209);
  ASSERT_EQ(shot.Height(), height);
  int misses = 0;
  int strip = 0;
  for (int x = 0; x < shot.Width(); ++x) {
    // The title strip: black above and below its white captions.
    misses += !shot.IsBlack(x, 0) + !shot.IsBlack(x, 16) + !shot.IsBlack(x, height - 1);
    for (int y = 0; y < 17; ++y) strip += shot.IsBlack(x, y);
  }
  for (int y = 0; y < height; ++y) misses += !shot.IsBlack(0, y) + !shot.IsBlack(208, y);
  EXPECT_EQ(misses, 0) << "height " << height;
  EXPECT_GT(strip, 209 * 17 * 8 / 10);
  // Bare ground between the title strip and the file list.
  for (int x = 1; x < 208; ++x) {
    for (int y = 17; y < 24; ++y) ASSERT_TRUE(shot.IsWhite(x, y)) << x << "," << y;
  }
}

TEST_F(PlayerWindow, ShortAndTallWindowsAreFramedWithTheTitleOnABlackStrip) {
  // Filled as the running program fills it, so the pictures show a real look.
  const std::wstring folder = NewScratchFolder() + L"Music";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\Live").c_str(), nullptr);
  for (const wchar_t* name : {L"\\01 Intro.mp3", L"\\02 Night Drive.mp3", L"\\03 Outro.mp3"}) {
    MakeFile(folder + name);
  }
  form.SetDirPath(win32::WideToUtf8(folder));
  form.SetFileListPath(form.DirPath());
  form.SetSelectedIndex(1);
  form.SetCaption(Control::Label10, "3 mp3's in this dir");
  ShowAndSettle();
  const WindowCapture shortShot(Window());
  ExpectFramed(shortShot, 145);
  for (const Control glyph :
       {Control::lbback, Control::lbstop, Control::lbplay, Control::lbpause, Control::lbfoward}) {
    EXPECT_TRUE(shortShot.HasSolidMark(win32::PixelRect(LayoutOf(glyph), 15)))
        << LayoutOf(glyph).name;
  }
  // The transparent count label shows the white ground inside its frame.
  EXPECT_TRUE(shortShot.IsBlack(8, 120));
  EXPECT_TRUE(shortShot.IsWhite(100, 125));

  form.SetHeight(kTallHeight);
  PumpMessages(300);
  const WindowCapture tallShot(Window());
  ExpectFramed(tallShot, 233);
  EXPECT_TRUE(tallShot.IsBlack(100, 144)) << "the short window's bottom line stays drawn";
  const RECT dir = win32::PixelRect(LayoutOf(Control::Dir1), 15);
  EXPECT_TRUE(tallShot.IsBlack(dir.left, dir.top + 5)) << "the directory list's black frame";
  EXPECT_TRUE(tallShot.IsBlack(dir.left + 5, dir.bottom - 1));

  wchar_t shots[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"JUKETT_SCREENSHOTS", shots, MAX_PATH) > 0) {
    shortShot.Save(std::wstring(shots) + L"\\window-short.bmp");
    tallShot.Save(std::wstring(shots) + L"\\window-tall.bmp");
  }
}

// Its place, size and state as the handlers see them: the player window's
// contract, at the end of this file.
TEST_F(PlayerWindow, IsABorderlessTitledWindowThatStaysOnTopWhenAsked) {
  HWND window = Window();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  EXPECT_EQ(win32::WideToUtf8(title), "juKett ZRV - by kelvor");
  form.MakeTopmost();
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(PlayerWindow, OpensWithFocusInTheFileListAndTabsIntoTheHiddenDirectoryList) {
  ShowAndSettle();
  HWND file = form.ListWindow(Control::File1);
  HWND dir = form.ListWindow(Control::Dir1);
  EXPECT_EQ(GetFocus(), file);
  SendMessageW(file, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), dir) << "reachable though the short window cuts it off";
  SendMessageW(dir, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), file);
  // A click on a label takes no focus from the list.
  SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(Control::lbplay));
  SendMessageW(Window(), WM_LBUTTONUP, 0, At(Control::lbplay));
  EXPECT_EQ(GetFocus(), file);
}

TEST_F(PlayerWindow, RepaintsOnlyForACaptionOrColourThatChanged) {
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  ShowAndSettle();
  const int settled = events.paints;
  // Writing what is already there must not set off another paint: the
  // Paint handler itself writes the colours and the count.
  form.SetForeColor(Control::lbplay, 0);
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  PumpMessages(200);
  EXPECT_EQ(events.paints, settled);
  form.SetForeColor(Control::lbplay, 0x0000FF);
  PumpMessages(200);
  EXPECT_GT(events.paints, settled);
}

TEST_F(PlayerWindow, AWindowOfItsClassMadeWithoutAFormIsAPlainWindow) {
  wchar_t playerClass[64] = {};
  ASSERT_GT(GetClassNameW(Window(), playerClass, 64), 0);
  HWND stray = CreateWindowExW(0, playerClass, L"stray", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(stray, nullptr);
  wchar_t title[16] = {};
  GetWindowTextW(stray, title, 16);
  EXPECT_EQ(std::wstring(title), L"stray");
  SendMessageW(stray, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(stray, WM_CLOSE, 0, 0);  // a plain window's close destroys it
  EXPECT_FALSE(IsWindow(stray));
  EXPECT_TRUE(events.events.empty()) << "the form heard nothing of it";
  EXPECT_TRUE(IsWindow(Window()));
}

// The folders inside it in order: FolderListing.
TEST_F(PlayerWindow, DirectoryListShowsTheChainDownToTheFolderThenItsFolders) {
  const std::wstring folder = NewScratchFolder();
  CreateDirectoryW((folder + L"Zed").c_str(), nullptr);
  form.SetDirPath(win32::WideToUtf8(folder));
  HWND dir = form.ListWindow(Control::Dir1);
  wchar_t first[MAX_PATH] = {}, last[MAX_PATH] = {};
  SendMessageW(dir, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  SendMessageW(dir, LB_GETTEXT, SendMessageW(dir, LB_GETCOUNT, 0, 0) - 1,
               reinterpret_cast<LPARAM>(last));
  EXPECT_EQ(std::wstring(first), L"C:\\");
  EXPECT_NE(std::wstring(last).find(L"Zed"), std::wstring::npos) << "indented below its folder";
}

TEST_F(PlayerWindow, TitleShowsTheMovePointer) {
  ShowAndSettle();
  RECT rect{};
  GetWindowRect(Window(), &rect);
  for (const int y : {8, 30}) {
    SetCursorPos(rect.left + 100, rect.top + y);
    PumpMessages(100);
    SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, y == 8 ? IDC_SIZEALL : IDC_ARROW)) << y;
  }
}

TEST_F(PlayerWindow, TheShellsNewTaskbarReachesTheHandlers) {
  SendMessageW(Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(events.events.back().what, "TaskbarCreated");
}

// Run by the DPI test, which sets the prefix's display to another DPI first
// and names it in JUKETT_EXPECT_DPI; skipped otherwise. The place and size
// read back in twips there: the player window's contract, run there too.
TEST_F(PlayerWindow, FollowsTheDisplayDpi) {
  wchar_t expected[16] = {};
  if (GetEnvironmentVariableW(L"JUKETT_EXPECT_DPI", expected, 16) == 0) {
    GTEST_SKIP() << "only at another DPI";
  }
  const int dpi = _wtoi(expected);
  const float twipsPerPixel = 1440.0f / static_cast<float>(dpi);
  ASSERT_EQ(form.TwipsPerPixel(), twipsPerPixel);

  ShowAndSettle();
  const int width = static_cast<int>(std::lround(kFormWidth / twipsPerPixel));
  for (const float height : {kShortHeight, kTallHeight}) {
    form.SetHeight(height);
    PumpMessages(300);
    const WindowCapture shot(Window());
    ASSERT_EQ(shot.Width(), width);
    ASSERT_EQ(shot.Height(), static_cast<int>(std::lround(height / twipsPerPixel)));
    int misses = 0;
    for (int x = 0; x < shot.Width(); ++x)
      misses += !shot.IsBlack(x, 0) + !shot.IsBlack(x, shot.Height() - 1);
    for (int y = 0; y < shot.Height(); ++y)
      misses += !shot.IsBlack(0, y) + !shot.IsBlack(shot.Width() - 1, y);
    EXPECT_EQ(misses, 0) << "height " << height;
  }
}

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, PlayerFormContract, PlayerWindowWorld);

}  // namespace jukett::testing
