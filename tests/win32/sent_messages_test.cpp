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
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/bounded_send.h"
#include "tests/win32/thread_window.h"

namespace jukett::testing {
namespace {

// A window on a thread of its own that keeps the order of what it handles.
// Told to, it holds: it stays inside a message until released, reading
// nothing else meanwhile.
class Receiver {
 public:
  static constexpr UINT kStep = WM_APP + 20;  // noted with its wParam
  static constexpr UINT kHold = WM_APP + 21;  // noted once released

  Receiver() = default;
  ~Receiver() {
    SetEvent(release_);
    window_.Stop();
    CloseHandle(holding_);
    CloseHandle(release_);
  }
  Receiver(const Receiver&) = delete;
  Receiver& operator=(const Receiver&) = delete;

  HWND Window() const { return window_.Window(); }
  // Posts a hold and waits until the receiver is inside it.
  bool HoldNow() {
    PostMessageW(Window(), kHold, 0, 0);
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
  std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM) {
    if (message == kHold) {
      SetEvent(holding_);
      WaitForSingleObject(release_, 30000);
      Note("hold");
      return 1;
    }
    if (message == kStep) {
      Note("step " + std::to_string(wParam));
      return 1;
    }
    if (message == WM_CHAR) {
      Note("key " + std::string(1, static_cast<char>(wParam)));
      return 0;
    }
    return std::nullopt;
  }

  void Note(const std::string& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    handled_.push_back(what);
  }

  HANDLE holding_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  std::mutex mutex_;
  std::vector<std::string> handled_;
  // Last: its thread handles messages with everything above already there.
  ThreadWindow window_{[this](UINT message, WPARAM wParam, LPARAM lParam) {
    return Handle(message, wParam, lParam);
  }};
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
