// The program's icon, and the tray contract through the real shell: Wine's
// own notification area on the test's virtual display, clicked with real X
// pointer input.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_tray.h"
#include "tests/contracts/tray_contract.h"
#include "tests/win32/player_window_fixture.h"
#include "tests/win32/wine_tray.h"

namespace jukett::testing {
namespace {

HICON ProgramIcon(int size) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
}

// The real player window, hidden as in the tray, and Wine's own tray on the
// test's virtual display; Windows' taskbar has no icon windows to count or
// click from here.
class Win32TrayWorld : public PlayerWindowWorld {
 public:
  Tray& Port() { return tray; }
  bool CanClick() { return UnderWine(); }
  bool Click(TrayIconClick click) {
    constexpr TrayClick kClicks[] = {TrayClick::Left, TrayClick::Right, TrayClick::Double};
    return ClickWineTrayIcon(kClicks[static_cast<int>(click)]) == 0;
  }
  int IconCount() { return WineTrayIconCount(); }
  std::vector<std::string> Tips() { return WineTrayTips(); }
  // Wine shows its tray window only once an icon arrives, and takes the icon
  // down a moment after the delete: its process is given time.
  bool Await(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!done() && GetTickCount64() < deadline) PumpMessages(20);
    return done();
  }
  void Settle() { PumpMessages(300); }

  win32::Win32Tray tray;
};

TEST(ProgramIcon, LoadsAtBothSizesWithItsTransparencyMask) {
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    HICON icon = ProgramIcon(size);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    ASSERT_NE(info.hbmColor, nullptr);
    ASSERT_NE(info.hbmMask, nullptr);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);

    // Drawn over white, the corners stay white (the mask), the notes at the
    // lower left come out black, and the disc is grey.
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ previous = SelectObject(canvas, bitmap);
    RECT all{0, 0, size, size};
    FillRect(canvas, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(canvas, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(GetPixel(canvas, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas, size - 1, size - 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas, size * 15 / 100, size * 86 / 100), RGB(0, 0, 0));
    const COLORREF disc = GetPixel(canvas, size * 85 / 100, size * 40 / 100);
    EXPECT_NE(disc, RGB(255, 255, 255));
    EXPECT_NE(disc, RGB(0, 0, 0));
    SelectObject(canvas, previous);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, TrayContract, Win32TrayWorld);

}  // namespace jukett::testing
