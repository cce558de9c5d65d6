// The real player window with handlers that only note what it told them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/twips.h"
#include "platform/win32/win32_player_form.h"
#include "tests/win32/message_pump.h"

namespace jukett::testing {

// Handlers that only note what the window told them.
class NotedEvents : public FormEvents {
 public:
  struct Event {
    std::string what;
    Control control;
    Pointer pointer;
  };

  void Load() override { Note("Load", Control::Form); }
  void Unload() override { Note("Unload", Control::Form); }
  void Paint() override { ++paints; }
  void MouseDown(Control control, const Pointer& pointer) override {
    Note("MouseDown", control, pointer);
  }
  void MouseMove(Control control, const Pointer& pointer) override {
    Note("MouseMove", control, pointer);
  }
  void Click(Control control) override { Note("Click", control); }
  void DblClick(Control control) override { Note("DblClick", control); }
  void Change(Control control) override { Note("Change", control); }
  void TaskbarCreated() override { Note("TaskbarCreated", Control::Form); }
  void MediaKeyPressed(MediaKey key) override { mediaKeys.push_back(key); }
  void StartedAgain() override { Note("StartedAgain", Control::Form); }

  int Count(const std::string& what) const {
    int count = 0;
    for (const Event& event : events) count += event.what == what;
    return count;
  }

  std::vector<Event> events;
  std::vector<MediaKey> mediaKeys;
  int paints = 0;

 private:
  void Note(const std::string& what, Control control, const Pointer& pointer = {}) {
    events.push_back({what, control, pointer});
  }
};

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
