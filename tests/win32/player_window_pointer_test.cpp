// The real player window under the pointer: labels hit in twips, the
// tray's reports, the move pointer, and real input through the system.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_screen.h"
#include "tests/win32/player_window_fixture.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/window_capture.h"

namespace jukett::testing {
namespace {

TEST_F(PlayerWindow, PointerEventsGoToTheLabelUnderThePointerInTwips) {
  ShowAndSettle();
  HWND window = Window();
  SendMessageW(window, WM_MOUSEMOVE, 0, At(Control::Label10, 3, 4));
  ASSERT_EQ(events.events.back().what, "MouseMove");
  EXPECT_EQ(events.events.back().control, Control::Label10);
  EXPECT_EQ(events.events.back().pointer.x, 45);
  EXPECT_EQ(events.events.back().pointer.y, 60);

  // A drag on the title keeps reporting to it, the left button held.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label1, 10, 5));
  EXPECT_EQ(events.events.back().what, "MouseDown");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 60));
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  EXPECT_EQ(events.events.back().pointer.y, 60 * 15);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
  EXPECT_EQ(events.Count("Click"), 0) << "released away from the title";

  // Press and release on the same label is a click; leaving it first is not.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label3));
  SendMessageW(window, WM_LBUTTONUP, 0, At(Control::Label3));
  ASSERT_EQ(events.Count("Click"), 1);
  EXPECT_EQ(events.events.back().control, Control::Label3);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label5));
  SendMessageW(window, WM_LBUTTONUP, 0, At(Control::Label4));
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, At(Control::Label5));
  SendMessageW(window, WM_RBUTTONUP, 0, At(Control::Label5));
  EXPECT_EQ(events.Count("Click"), 1);

  SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(events.events.back().what, "TaskbarCreated");

  SendMessageW(form.ListWindow(Control::File1), WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(events.events.back().control, Control::File1);
  EXPECT_EQ(events.events.back().pointer.x, 75);

  SendMessageW(window, WM_CLOSE, 0, 0);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(events.Count("Unload"), 1);
  form.Unload();
  EXPECT_EQ(events.Count("Unload"), 1);
}

// The tray icon reports as a pointer move of the window whose x, in pixels,
// is the mouse message number (the tray contract); a real move there is no
// report, even where the window is wide enough to have a label at that x.
// Run at every DPI of the tray tests too.
TEST_F(PlayerWindow, RealPointerMovesAtTheIconsMessagesAreNoReportsAtAnyWidth) {
  ShowAndSettle();
  HWND window = Window();
  for (const LPARAM code : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SCOPED_TRACE(code);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(code, 2));
    ASSERT_EQ(events.events.back().what, "MouseMove");
    EXPECT_FALSE(events.events.back().pointer.trayIcon);
  }
}

TEST_F(PlayerWindow, TitleShowsTheMovePointer) {
  ShowAndSettle();
  RECT rect{};
  GetWindowRect(Window(), &rect);
  SetCursorPos(rect.left + 100, rect.top + 8);
  PumpMessages(100);
  SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
  SetCursorPos(rect.left + 100, rect.top + 30);
  PumpMessages(100);
  SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

void SendPointer(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  PumpMessages(80);
}

TEST_F(PlayerWindow, RealPointerInputReachesTheRightControls) {
  form.SetLeft(100 * 15);
  form.SetTop(100 * 15);
  ShowAndSettle();
  form.BringToForeground();
  PumpMessages(100);
  auto onScreen = [&](Control control, int dx, int dy) {
    const RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    return POINT{100 + place.left + dx, 100 + place.top + dy};
  };

  SendPointer(onScreen(Control::Label3, 5, 5), 0);
  SendPointer(onScreen(Control::Label3, 5, 5), MOUSEEVENTF_LEFTDOWN);
  SendPointer(onScreen(Control::Label3, 6, 5), MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(events.Count("Click"), 1);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));

  // Held on the title, the pointer keeps reporting there, even off the window.
  SendPointer(onScreen(Control::Label1, 20, 5), 0);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
  SendPointer(onScreen(Control::Label1, 20, 5), MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(events.events.back().what, "MouseDown");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  SendPointer(onScreen(Control::Label1, 20, 300), 0);
  EXPECT_EQ(events.events.back().what, "MouseMove");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  EXPECT_EQ(events.events.back().pointer.y, 300 * 15.0f);
  SendPointer(onScreen(Control::Label1, 20, 300), MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(events.Count("Click"), 1);

  // A double-click on a file is the list's double-click; a click is not.
  const std::wstring folder = NewScratchFolder();
  MakeFile(folder + L"one.mp3");
  form.SetFileListPath(win32::WideToUtf8(folder));
  PumpMessages(100);
  const POINT entry = onScreen(Control::File1, 10, 6);
  SendPointer(entry, MOUSEEVENTF_LEFTDOWN);
  SendPointer(entry, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(form.SelectedFileName(), "one.mp3");
  EXPECT_EQ(events.Count("DblClick"), 0);
  SendPointer(entry, MOUSEEVENTF_LEFTDOWN);
  SendPointer(entry, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(events.Count("DblClick"), 1);
}

}  // namespace
}  // namespace jukett::testing
