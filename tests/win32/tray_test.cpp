// The tray icon through the real shell: Wine's own notification area on the
// test's virtual display, clicked with real X pointer input.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_tray.h"
#include "tests/win32/wine_tray.h"

namespace jukett::testing {
namespace {

// The record asks for pointer moves, as the player's does; the shell is told
// the window's own tray message instead.
constexpr UINT kRecordMessage = WM_MOUSEMOVE;
constexpr UINT kCallbackMessage = win32::kTrayIconMessage;

// The tip field as the player fills it: the shown text, its end, and blanks
// to the end of the field.
constexpr char kTip[] = " juKett ZRV - by kelvor ";

// A hidden window, like the minimised player, that notes the codes the
// shell reports through the callback message.
class CallbackWindow {
 public:
  CallbackWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"JukettTrayTestWindow";
    RegisterClassW(&windowClass);
    handle_ = CreateWindowExW(0, windowClass.lpszClassName, L"tray test", WS_POPUP, 0, 0, 100, 100,
                              nullptr, nullptr, windowClass.hInstance, this);
  }
  ~CallbackWindow() { DestroyWindow(handle_); }
  CallbackWindow(const CallbackWindow&) = delete;
  CallbackWindow& operator=(const CallbackWindow&) = delete;

  HWND Handle() const { return handle_; }

  // The codes reported so far, without the pointer merely moving over the icon.
  std::vector<LPARAM> Clicks() const {
    std::vector<LPARAM> clicks;
    for (LPARAM code : codes_) {
      if (code != WM_MOUSEMOVE) clicks.push_back(code);
    }
    return clicks;
  }
  const std::vector<LPARAM>& Codes() const { return codes_; }
  const std::vector<WPARAM>& Ids() const { return ids_; }

  // Run for each code as it arrives, as the player's handler would.
  std::function<void(LPARAM)> onCode;

  // Dispatches messages until `code` has been reported, for at most 5 s.
  bool WaitFor(LPARAM code) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (GetTickCount64() < deadline) {
      for (LPARAM seen : codes_) {
        if (seen == code) return true;
      }
      PumpMessages(20);
    }
    return false;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<CallbackWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CallbackWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == kCallbackMessage) {
      self->codes_.push_back(lParam);
      self->ids_.push_back(wParam);
      if (self->onCode) self->onCode(lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND handle_ = nullptr;
  std::vector<LPARAM> codes_;
  std::vector<WPARAM> ids_;
};

HICON ProgramIcon(int size) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
}

IconRecord PlayerRecord(HWND window, HICON icon) {
  IconRecord record;
  record.cbSize = sizeof record;
  record.hWnd = reinterpret_cast<Window>(window);
  record.uID = 1;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kRecordMessage;
  record.hIcon = reinterpret_cast<std::uintptr_t>(icon);
  std::memset(record.szTip, ' ', sizeof record.szTip);
  std::memcpy(record.szTip, kTip, sizeof kTip);  // with its terminating zero
  return record;
}

// Wine shows its tray window only once an icon arrives, and takes the icon
// down a moment after the delete; give the shell's process time either way.
bool WaitForIconCount(int count) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (WineTrayIconCount() != count) {
    if (GetTickCount64() > deadline) return false;
    PumpMessages(20);
  }
  return true;
}

// Windows' own taskbar has no icon windows to count or click from here.
class TrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!UnderWine()) GTEST_SKIP() << "clicks go to Wine's own tray";
  }

  CallbackWindow window;
  HICON icon = ProgramIcon(16);
  IconRecord record = PlayerRecord(window.Handle(), icon);
  win32::Win32Tray tray;
};

TEST_F(TrayTest, ClicksOnTheIconReachTheWindowInOrderAndTheIconGoesWithTheDelete) {
  ASSERT_NE(window.Handle(), nullptr);
  ASSERT_NE(icon, nullptr);
  ASSERT_TRUE(tray.Add(record));
  ASSERT_TRUE(WaitForIconCount(1));
  // The shell shows the text before the end of the string, the blanks after it
  // stay hidden.
  EXPECT_EQ(WineTrayTips(), std::vector<std::wstring>{L" juKett ZRV - by kelvor "});

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Left), 0);
  ASSERT_TRUE(window.WaitFor(WM_LBUTTONUP));
  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Right), 0);
  ASSERT_TRUE(window.WaitFor(WM_RBUTTONUP));
  PumpMessages(200);

  EXPECT_EQ(window.Clicks(),
            (std::vector<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
  // Every report names the icon it came from.
  for (WPARAM id : window.Ids()) EXPECT_EQ(id, 1u);

  tray.Delete(record);
  EXPECT_TRUE(WaitForIconCount(0));
  EXPECT_TRUE(WineTrayTips().empty());
  // Nothing left to click, and nothing more arrives.
  const auto reported = window.Codes().size();
  EXPECT_EQ(ClickWineTrayIcon(TrayClick::Left), 2);
  PumpMessages(300);
  EXPECT_EQ(window.Codes().size(), reported);
}

TEST_F(TrayTest, DoubleClickReportsBothReleasesAndTheDoubleClick) {
  ASSERT_TRUE(tray.Add(record));
  ASSERT_TRUE(WaitForIconCount(1));

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Double), 0);
  ASSERT_TRUE(window.WaitFor(WM_LBUTTONDBLCLK));
  PumpMessages(300);
  EXPECT_EQ(window.Clicks(),
            (std::vector<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
  tray.Delete(record);
}

TEST_F(TrayTest, DeletingTheIconAtTheFirstReleaseEndsADoubleClick) {
  // The player takes its icon away at the first left release.
  window.onCode = [this](LPARAM code) {
    if (code == WM_LBUTTONUP) tray.Delete(record);
  };
  ASSERT_TRUE(tray.Add(record));
  ASSERT_TRUE(WaitForIconCount(1));

  ASSERT_EQ(ClickWineTrayIcon(TrayClick::Double), 0);
  ASSERT_TRUE(window.WaitFor(WM_LBUTTONUP));
  PumpMessages(500);
  EXPECT_TRUE(WaitForIconCount(0));
  // The delete from inside the shell's report neither hangs nor fails. The
  // second click then finds no icon (as measured here); should a slow
  // handler let it reach the icon first, only the double-click and its
  // release can follow.
  const auto clicks = window.Clicks();
  ASSERT_GE(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], WM_LBUTTONDOWN);
  EXPECT_EQ(clicks[1], WM_LBUTTONUP);
  for (std::size_t i = 2; i < clicks.size(); ++i) {
    EXPECT_TRUE(clicks[i] == WM_LBUTTONDBLCLK || clicks[i] == WM_LBUTTONUP) << clicks[i];
  }
}

TEST_F(TrayTest, AddSaysWhetherTheShellTookTheIcon) {
  ASSERT_TRUE(tray.Add(record));
  // The shell holds one icon per window and number; a second add is refused.
  EXPECT_FALSE(tray.Add(record));
  tray.Delete(record);
  EXPECT_TRUE(WaitForIconCount(0));
  // A delete with no icon present changes nothing, and the icon can come back.
  tray.Delete(record);
  EXPECT_TRUE(tray.Add(record));
  EXPECT_TRUE(WaitForIconCount(1));
  tray.Delete(record);
}

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
}  // namespace jukett::testing
