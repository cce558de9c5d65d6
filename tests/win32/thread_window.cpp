#include "tests/win32/thread_window.h"

#include <utility>

namespace jukett::testing {
namespace {

constexpr wchar_t kClassName[] = L"jukett.test.thread-window";

}  // namespace

ThreadWindow::ThreadWindow(Handler handle) : handle_(std::move(handle)) {
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &ThreadWindow::Run, this, 0, &threadId_);
  WaitForSingleObject(ready_, 10000);
}

void ThreadWindow::Stop() {
  if (!thread_) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, 10000);
  CloseHandle(thread_);
  CloseHandle(ready_);
  thread_ = ready_ = nullptr;
}

DWORD WINAPI ThreadWindow::Run(void* parameter) {
  auto* self = static_cast<ThreadWindow*>(parameter);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &ThreadWindow::Proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);  // fails harmlessly once the class is there
  self->window_ = CreateWindowW(kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  SetWindowLongPtrW(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  SetEvent(self->ready_);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(self->window_);
  return 0;
}

LRESULT CALLBACK ThreadWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ThreadWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    if (const auto answer = self->handle_(message, wParam, lParam)) return *answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace jukett::testing
