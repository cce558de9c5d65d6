// How the platform delivers messages sent to another thread's window, where
// the player's dealings with the chat client rest on it: a message the
// receiver has not picked up when the sender's wait runs out is withdrawn,
// one it has begun runs to its end, and input the receiver gets is handled
// between the messages of a unit.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32/bounded_send.h"

namespace jukett::testing {
namespace {

// A window on a thread of its own that keeps the order of what it handles.
// Told to, it holds: it stays inside a message until released, reading
// nothing else meanwhile.
class Receiver {
 public:
  static constexpr UINT kStep = WM_APP + 20;  // noted with its wParam
  static constexpr UINT kHold = WM_APP + 21;  // noted once released

  Receiver() {
    holding_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    release_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ready_ = ready;
    thread_ = CreateThread(nullptr, 0, &Receiver::Run, this, 0, &threadId_);
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
  }
  ~Receiver() {
    SetEvent(release_);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(holding_);
    CloseHandle(release_);
  }
  Receiver(const Receiver&) = delete;
  Receiver& operator=(const Receiver&) = delete;

  HWND Window() const { return window_; }
  // Posts a hold and waits until the receiver is inside it.
  bool HoldNow() {
    PostMessageW(window_, kHold, 0, 0);
    return WaitUntilHolding();
  }
  bool WaitUntilHolding() { return WaitForSingleObject(holding_, 10000) == WAIT_OBJECT_0; }
  void Release() { SetEvent(release_); }
  HANDLE ReleaseEvent() const { return release_; }
  // What was handled, in order: "hold", "step N", "key C".
  std::vector<std::string> Handled() {
    std::lock_guard<std::mutex> lock(mutex_);
    return handled_;
  }
  // Waits until `count` messages were handled.
  bool WaitForHandled(std::size_t count) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (Handled().size() < count) {
      if (GetTickCount64() > deadline) return false;
      Sleep(5);
    }
    return true;
  }
  void Forget() {
    std::lock_guard<std::mutex> lock(mutex_);
    handled_.clear();
  }

 private:
  static DWORD WINAPI Run(void* parameter) {
    auto* self = static_cast<Receiver*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Receiver::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"jukett.test.receiver";
    RegisterClassW(&windowClass);
    self->window_ = CreateWindowW(L"jukett.test.receiver", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DestroyWindow(self->window_);
    return 0;
  }

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == kHold) {
      SetEvent(self->holding_);
      WaitForSingleObject(self->release_, 30000);
      self->Note("hold");
      return 1;
    }
    if (message == kStep) {
      self->Note("step " + std::to_string(wParam));
      return 1;
    }
    if (message == WM_CHAR) {
      self->Note("key " + std::string(1, static_cast<char>(wParam)));
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void Note(const std::string& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    handled_.push_back(what);
  }

  HANDLE ready_ = nullptr;
  HANDLE holding_ = nullptr;
  HANDLE release_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  std::mutex mutex_;
  std::vector<std::string> handled_;
};

// Sends `message` with a wait of `timeoutMs`; gives whether it was answered
// and how long the call took.
bool SendWaiting(HWND window, UINT message, DWORD timeoutMs, ULONGLONG& tookMs) {
  const ULONGLONG start = GetTickCount64();
  DWORD_PTR result = 0;
  const bool answered =
      SendMessageTimeoutW(window, message, 1, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
  tookMs = GetTickCount64() - start;
  return answered;
}

// Lets the receiver go once `returned` is set, or after 5 s.
DWORD WINAPI ReleaseWhenReturned(void* parameter) {
  auto* events = static_cast<HANDLE*>(parameter);
  WaitForSingleObject(events[0], 5000);
  SetEvent(events[1]);
  return 0;
}

TEST(SentMessages, NotPickedUpWhenTheWaitRunsOutIsWithdrawnBegunRunsToItsEnd) {
  Receiver receiver;
  ASSERT_NE(receiver.Window(), nullptr);

  // Busy with something else: the message waits in its queue, unread.
  ASSERT_TRUE(receiver.HoldNow());
  ULONGLONG tookMs = 0;
  EXPECT_FALSE(SendWaiting(receiver.Window(), Receiver::kStep, 300, tookMs));
  std::cout << "not picked up: gave up after " << tookMs << " ms\n";
  receiver.Release();
  // Handled after everything sent before it.
  SendMessageW(receiver.Window(), WM_NULL, 0, 0);
  EXPECT_EQ(receiver.Handled(), std::vector<std::string>{"hold"});

  // Already inside the message when the wait runs out.
  receiver.Forget();
  HANDLE returned = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE events[] = {returned, receiver.ReleaseEvent()};
  HANDLE releaser = CreateThread(nullptr, 0, &ReleaseWhenReturned, events, 0, nullptr);
  const bool answered = SendWaiting(receiver.Window(), Receiver::kHold, 300, tookMs);
  SetEvent(returned);
  EXPECT_FALSE(answered);
  std::cout << "begun: " << (answered ? "answered" : "gave up") << " after " << tookMs << " ms\n";
  WaitForSingleObject(releaser, 10000);
  CloseHandle(releaser);
  CloseHandle(returned);
  SendMessageW(receiver.Window(), WM_NULL, 0, 0);
  EXPECT_EQ(receiver.Handled(), std::vector<std::string>{"hold"});
}

// The sender's own part: a message its program never answered is no answer,
// even when the helper gave it up before the sender stopped waiting.
TEST(SentMessages, ALoneMessageGivenUpIsNoAnswer) {
  Receiver receiver;
  ASSERT_NE(receiver.Window(), nullptr);
  ASSERT_TRUE(receiver.HoldNow());
  win32::BoundedSender sender(5000, 300);
  win32::Delivery read;
  read.window = receiver.Window();
  read.message = Receiver::kStep;
  EXPECT_FALSE(sender.Send(read).has_value());
  receiver.Release();
}

TEST(SentMessages, InputIsHandledBetweenTheMessagesOfAUnit) {
  Receiver receiver;
  ASSERT_NE(receiver.Window(), nullptr);
  // Where the key went, counted by how many of the unit's steps came before.
  std::vector<int> stepsBeforeKey(4, 0);
  for (int round = 0; round < 20; ++round) {
    receiver.Forget();
    // The unit's first step keeps the receiver busy while the user types.
    std::vector<win32::Delivery> unit;
    for (UINT message : {Receiver::kHold, Receiver::kStep, Receiver::kStep, Receiver::kStep}) {
      win32::Delivery step;
      step.window = receiver.Window();
      step.message = message;
      step.wParam = unit.size();
      unit.push_back(step);
    }
    // Leaves the unit to its helper at once.
    win32::BoundedSender sender(0);
    sender.SendInOrder(unit);
    ASSERT_TRUE(receiver.WaitUntilHolding());
    PostMessageW(receiver.Window(), WM_CHAR, 'x', 0);
    receiver.Release();
    ASSERT_TRUE(receiver.WaitForHandled(5));
    const std::vector<std::string> handled = receiver.Handled();
    ASSERT_EQ(handled.front(), "hold");
    int steps = 0;
    while (handled[1 + steps] != "key x") ++steps;
    ++stepsBeforeKey[steps];
  }
  // The key need not wait for the unit's end; mostly it does not.
  EXPECT_GT(stepsBeforeKey[0] + stepsBeforeKey[1] + stepsBeforeKey[2], 0);
  std::cout << "key after the held step and 0/1/2/3 more steps: " << stepsBeforeKey[0] << "/"
            << stepsBeforeKey[1] << "/" << stepsBeforeKey[2] << "/" << stepsBeforeKey[3]
            << " of 20\n";
}

}  // namespace
}  // namespace jukett::testing
