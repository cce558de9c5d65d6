// What Windows does and this Wine does not yet. Each test states the Windows
// behaviour and passes on Windows; under Wine the marked assertion is expected
// to fail, and fails the test the day Wine closes the gap (known_wine_gap.h).
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "chathost/host_identity.h"
#include "platform/win32/win32_host_windows.h"
#include "standin_process.h"
#include "tests/win32/known_wine_gap.h"

namespace jukett::testing {
namespace {

// Windows reads the menus of the chat client's process from the player's;
// Wine 8 cannot (GetMenuItemCount gives -1 across processes), so the player
// falls back to version 9 there. The menus of a window tree in the test's
// own process are read under Wine too (ChatHostInProcess).
TEST(KnownWineGap, VersionFromAnotherProcessesMenus) {
  StandinProcess standin({L"--version", L"7"});
  ASSERT_TRUE(standin.Ready());
  win32::Win32HostWindows windows;

  EXPECT_WINE_GAP_EQ(HostVersion(windows), "7");
}

// Windows expands the short names of a path behind the long-path prefix;
// Wine 8 hands such a path back as it came, so the player asks plainly first
// (LongPaths.LongNamesComeBackFromAShortFormPastMaxPath).
TEST(KnownWineGap, LongNamesBehindTheLongPathPrefix) {
  const std::wstring folder = NewScratchFolder() + L"a folder with a long name";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  wchar_t shortForm[MAX_PATH] = {};
  wchar_t longForm[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameW(folder.c_str(), shortForm, MAX_PATH), 0u);
  ASSERT_GT(GetLongPathNameW(folder.c_str(), longForm, MAX_PATH), 0u);
  const std::wstring prefixed = L"\\\\?\\" + std::wstring(shortForm);
  ASSERT_NE(std::wstring(shortForm), std::wstring(longForm));

  wchar_t named[MAX_PATH + 8] = {};
  GetLongPathNameW(prefixed.c_str(), named, MAX_PATH + 8);
  EXPECT_WINE_GAP_EQ(std::wstring(named), L"\\\\?\\" + std::wstring(longForm))
      << "handed back as it came: " << (std::wstring(named) == prefixed ? "yes" : "no");
}

// Windows' own object for a window tells a screen reader where the window is;
// Wine 8's answers 0 0 0 0, so the player's object places its lists itself.
TEST(KnownWineGap, WindowObjectPlacesItsWindow) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | WS_VISIBLE, 40, 30, 120, 60, nullptr,
                              nullptr, nullptr, nullptr);
  void* object = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(list, OBJID_WINDOW, __uuidof(IAccessible), &object), S_OK);
  LONG place[4] = {};
  VARIANT self{};
  self.vt = VT_I4;  // CHILDID_SELF
  static_cast<IAccessible*>(object)->accLocation(&place[0], &place[1], &place[2], &place[3], self);
  static_cast<IAccessible*>(object)->Release();
  DestroyWindow(list);
  CoUninitialize();
  EXPECT_WINE_GAP_EQ(std::to_string(place[0]) + " " + std::to_string(place[1]) + " " +
                         std::to_string(place[2]) + " " + std::to_string(place[3]),
                     "40 30 120 60");
}

// The mark itself: where the gap shows, the assertion passes; where the
// behaviour holds, it fails, under Wine as "gap closed".
TEST(KnownWineGapMark, FailsOnlyWhereThePlatformDiffersFromWindows) {
  if (UnderWine()) {
    EXPECT_WINE_GAP(1 + 1 == 3);
    EXPECT_WINE_GAP_EQ(1 + 1, 3);
    EXPECT_NONFATAL_FAILURE(EXPECT_WINE_GAP(1 + 1 == 2), "gap closed");
    EXPECT_NONFATAL_FAILURE(EXPECT_WINE_GAP_EQ(1 + 1, 2), "gap closed");
  } else {
    EXPECT_WINE_GAP(1 + 1 == 2);
    EXPECT_WINE_GAP_EQ(1 + 1, 2);
    EXPECT_NONFATAL_FAILURE(EXPECT_WINE_GAP(1 + 1 == 3), "1 + 1 == 3: does not hold");
    EXPECT_NONFATAL_FAILURE(EXPECT_WINE_GAP_EQ(1 + 1, 3), "gives 2, Windows gives 3");
  }
}

}  // namespace
}  // namespace jukett::testing
