// The host delivery contract against the real adapter: the chat client a
// window on a thread of its own, the player a window on the test's thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/contracts/host_delivery_contract.h"
#include "tests/win32/thread_window.h"

namespace jukett::testing {
namespace {

constexpr UINT kBusy = WM_APP + 30;  // to the client: work on until told otherwise
constexpr UINT kAsk = WM_APP + 31;   // sent to the player
constexpr UINT kRun = WM_APP + 32;   // posted to the player: run the next event
constexpr wchar_t kPlayerClass[] = L"jukett.test.delivery-player";

class Win32DeliveryWorld {
 public:
  // GetTickCount64 moves in steps of about 16 ms; a loaded machine adds more.
  static constexpr double kClockSlack = 1.0;

  Win32DeliveryWorld() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PlayerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kPlayerClass;
    RegisterClassW(&windowClass);  // fails harmlessly once the class is there
    player_ = CreateWindowW(kPlayerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
    SetWindowLongPtrW(player_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowTextW(client_.Window(), L"draft");
  }
  ~Win32DeliveryWorld() {
    Busy(0.0);
    client_.Stop();
    DestroyWindow(player_);
    CloseHandle(changed_);
    CloseHandle(busyNow_);
  }

  HostWindows& Windows() { return windows_; }
  EventPump& Events() { return events_; }
  Window Input() const { return reinterpret_cast<Window>(client_.Window()); }
  // As the window manager keeps it: no message, so even while the client is busy.
  std::string Text() const {
    wchar_t text[256] = {};
    InternalGetWindowText(client_.Window(), text, 256);
    return win32::WideToUtf8(text);
  }
  void Busy(double seconds) {
    busyUntil_ = std::isinf(seconds) ? ~0ULL : GetTickCount64() + ToMs(seconds);
    SetEvent(changed_);
    if (seconds > 0 && !busy_ && PostMessageW(client_.Window(), kBusy, 0, 0))
      WaitForSingleObject(busyNow_, 10000);
  }
  void Type(char c) { PostMessageW(client_.Window(), WM_CHAR, static_cast<WPARAM>(c), 0); }
  void AskThePlayerAtTheNextCharacter() { asking_ = true; }
  int Answered() const { return answered_; }
  int PostedRun() const { return postedRun_; }
  void PostToPlayer(std::function<void()> event) {
    std::lock_guard<std::mutex> hold(postedLock_);
    posted_.push_back(std::move(event));
    PostMessageW(player_, kRun, 0, 0);
  }
  double Seconds() const { return static_cast<double>(GetTickCount64()) / 1000.0; }
  bool PassUntil(const std::function<bool()>& done, double maxSeconds) {
    const ULONGLONG deadline = GetTickCount64() + ToMs(maxSeconds);
    while (!done()) {
      if (GetTickCount64() > deadline) return false;
      Sleep(10);
    }
    return true;
  }

 private:
  static ULONGLONG ToMs(double seconds) { return static_cast<ULONGLONG>(seconds * 1000); }

  static LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32DeliveryWorld*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == kAsk) ++self->answered_;
    if (!self || message != kRun) return DefWindowProcW(window, message, wParam, lParam);
    std::unique_lock<std::mutex> hold(self->postedLock_);
    const std::function<void()> event = std::move(self->posted_.front());
    self->posted_.pop_front();
    hold.unlock();
    event();
    return 0;
  }

  // On the client's thread.
  std::optional<LRESULT> HandleClient(UINT message, WPARAM wParam) {
    if (message == kBusy) {
      busy_ = true;
      SetEvent(busyNow_);
      for (ULONGLONG now = GetTickCount64(); now < busyUntil_; now = GetTickCount64())
        WaitForSingleObject(changed_,
                            static_cast<DWORD>(std::min<ULONGLONG>(busyUntil_ - now, 60000)));
      busy_ = false;
      return 0;
    }
    if (message != WM_CHAR) return std::nullopt;
    wchar_t text[256] = {};
    const int length = InternalGetWindowText(client_.Window(), text, 255);
    text[length] = static_cast<wchar_t>(wParam);
    DefWindowProcW(client_.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    if (asking_.exchange(false)) {
      PostToPlayer([this] { ++postedRun_; });
      SendMessageW(player_, kAsk, 0, 0);
    }
    return 0;
  }

  win32::Win32HostWindows windows_{1000};
  win32::Win32EventPump events_;
  HWND player_ = nullptr;
  std::atomic<int> answered_{0};
  std::atomic<int> postedRun_{0};
  std::atomic<bool> asking_{false};
  std::mutex postedLock_;
  std::deque<std::function<void()>> posted_;
  std::atomic<ULONGLONG> busyUntil_{0};
  std::atomic<bool> busy_{false};
  HANDLE changed_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE busyNow_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  // Last: its thread handles messages with everything above already there.
  ThreadWindow client_{
      [this](UINT message, WPARAM wParam, LPARAM) { return HandleClient(message, wParam); }};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HostDeliveryContract, Win32DeliveryWorld);

}  // namespace jukett::testing
