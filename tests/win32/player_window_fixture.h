// The real player window with handlers that only note what it told them,
// and the user at it: the pointer as real input through the system, the keys
// as the messages the lists get. Held to the player window's contract in
// player_window_test.cpp.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_tray.h"
#include "tests/contracts/player_form_contract.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/standin_process.h"

namespace jukett::testing {

inline void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

// The pointer to `screen` with the buttons' `flags`, as real input.
inline void SendPointer(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // The middle of the pixel, so that no rounding takes it to the next.
  input.mi.dx = (2 * screen.x + 1) * 32768 / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (2 * screen.y + 1) * 32768 / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  PumpMessages(80);
}

// The world of the player window's contract: the real window, and the user.
class PlayerWindowWorld {
 public:
  PlayerWindowWorld() {
    SetProcessDPIAware();
    if (!form.Create()) ADD_FAILURE() << "no window";
  }

  PlayerForm& Form() { return form; }
  HWND Window() { return reinterpret_cast<HWND>(form.Handle()); }
  NotedEvents& Events() { return events; }
  float TwipsPerPixel() { return form.TwipsPerPixel(); }
  std::string StageFolder(const std::vector<std::string>& names) {
    const std::wstring folder = NewScratchFolder();
    for (const std::string& name : names) {
      const std::wstring path = folder + win32::Utf8ToWide(name);
      name.ends_with('\\') ? void(CreateDirectoryW(path.c_str(), nullptr)) : MakeFile(path);
    }
    return win32::WideToUtf8(folder.substr(0, folder.size() - 1));
  }
  void ShowAndSettle() {
    form.Show();
    PumpMessages(300);
  }
  void Pointer(Control control, float x, float y, Input input) {
    RECT window{};
    GetWindowRect(Window(), &window);
    const float pixel = form.TwipsPerPixel();
    const POINT at{window.left + std::lround((LayoutOf(control).left + x) / pixel),
                   window.top + std::lround((LayoutOf(control).top + y) / pixel)};
    constexpr DWORD kFlags[] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTDOWN,
                                MOUSEEVENTF_RIGHTUP};
    if (input != Input::DoubleClick) return SendPointer(at, kFlags[static_cast<int>(input)]);
    for (const Input half : {Input::LeftDown, Input::LeftUp, Input::LeftDown, Input::LeftUp}) {
      SendPointer(at, kFlags[static_cast<int>(half)]);
    }
  }
  void ReturnInFileList() {
    HWND list = form.ListWindow(Control::File1);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(list, WM_CHAR, L'\r', 0);
  }
  void OpenInDirList(std::string_view folder, bool byDoubleClick) {
    HWND dir = form.ListWindow(Control::Dir1);
    int row = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0));
    wchar_t text[MAX_PATH] = {};
    do {
      SendMessageW(dir, LB_GETTEXT, --row, reinterpret_cast<LPARAM>(text));
    } while (row > 0 && std::wstring(text).find(win32::Utf8ToWide(folder)) == std::wstring::npos);
    if (!byDoubleClick) {
      SendMessageW(dir, LB_SETCURSEL, row, 0);
      SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);
      return;
    }
    // At the row's middle, in twips from the corner of the frame around the list.
    RECT item{};
    SendMessageW(dir, LB_SETTOPINDEX, row, 0);
    SendMessageW(dir, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const float pixel = form.TwipsPerPixel();
    Pointer(Control::Dir1, (item.left + 6) * pixel, ((item.top + item.bottom) / 2 + 1) * pixel,
            Input::DoubleClick);
  }
  void TrayIconReport(int message) { SendMessageW(Window(), win32::kTrayIconMessage, 1, message); }
  void Close() { SendMessageW(Window(), WM_CLOSE, 0, 0); }

  NotedEvents events;
  win32::Win32PlayerForm form{events};
};

class PlayerWindow : public ::testing::Test, public PlayerWindowWorld {
 protected:
  LPARAM At(Control control, int dx = 2, int dy = 2) {
    const RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    return MAKELPARAM(place.left + dx, place.top + dy);
  }
};

}  // namespace jukett::testing
