#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace jukett::testing {

// A message-only window on a thread of its own, as a window of another
// program is to the player. `handle` answers each message it knows; the rest
// go to the default.
class ThreadWindow {
 public:
  using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

  explicit ThreadWindow(Handler handle);
  ~ThreadWindow() { Stop(); }
  ThreadWindow(const ThreadWindow&) = delete;
  ThreadWindow& operator=(const ThreadWindow&) = delete;

  HWND Window() const { return window_; }
  // Ends the thread once it has finished the message in hand.
  void Stop();

 private:
  static DWORD WINAPI Run(void* parameter);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handle_;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace jukett::testing
