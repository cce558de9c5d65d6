#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace jukett::win32 {

// A message for another program's window, with everything it points to, so
// that it can outlive the wait for its answer.
struct Delivery {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  // When set, lParam is ignored and the message carries a pointer to this:
  // the text to set, or the room for the text to get.
  std::optional<std::string> buffer;
  LRESULT result = 0;
};

// Sends messages to other programs' windows and waits for each answer only a
// bounded time, so a hung program cannot hold the player. A message whose
// answer does not come in time is left to a helper thread to finish; until it
// has, that program's further messages are given up at once, so a hung
// program costs the player one timeout, not one per message.
//
// The helper is a plain Windows thread sharing one counted record with the
// sender: the C++ runtime's threads and futures of this toolchain, started
// and dropped by the hundred, crashed the program now and then inside the
// system's thread start and exit.
class BoundedSender {
 public:
  explicit BoundedSender(DWORD timeoutMs) : timeoutMs_(timeoutMs) {}
  ~BoundedSender();
  BoundedSender(const BoundedSender&) = delete;
  BoundedSender& operator=(const BoundedSender&) = delete;

  // The answered delivery, or nothing when no answer came in time.
  std::optional<Delivery> Send(Delivery delivery);

  // One message on its way on a helper thread; freed by whichever of the
  // two lets go of it last.
  struct Pending;

 private:
  bool StillStuck(DWORD thread);

  DWORD timeoutMs_;
  // Per receiving thread, the message it has not answered yet.
  std::map<DWORD, Pending*> unanswered_;
};

}  // namespace jukett::win32
