// The real player window with handlers that only note what it told them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/twips.h"
#include "platform/win32/win32_player_form.h"
#include "tests/contracts/noted_events.h"
#include "tests/win32/message_pump.h"

namespace jukett::testing {

class PlayerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProcessDPIAware();
    ASSERT_TRUE(form.Create());
  }

  void ShowAndSettle() {
    form.Show();
    PumpMessages(300);
  }

  HWND Window() { return reinterpret_cast<HWND>(form.Handle()); }

  LPARAM At(Control control, int dx = 2, int dy = 2) {
    const RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    return MAKELPARAM(place.left + dx, place.top + dy);
  }

  NotedEvents events;
  win32::Win32PlayerForm form{events};
};

inline void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

}  // namespace jukett::testing
