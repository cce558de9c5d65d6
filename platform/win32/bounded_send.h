#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace jukett::win32 {

// A message for another program's window, with everything it points to, so
// that it can outlive the wait for its answer.
struct Delivery {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  // When set, lParam is ignored and the message carries a pointer to this:
  // the text to set, or the room for the text to get; in the ANSI code page,
  // or in UTF-16 for a wide message.
  std::optional<std::string> buffer;
  std::optional<std::wstring> wideBuffer;
  // Sent as a wide (Unicode) message rather than an ANSI one.
  bool wide = false;
  LRESULT result = 0;
  // Whether the program answered, rather than the wait running out.
  bool answered = false;
};

// Sends messages to other programs' windows and waits for their answers only
// a bounded time, so a hung program cannot hold the player. Messages go on a
// helper thread, which finishes what the wait left over. A unit goes in
// order and its helper waits as long as the program takes: the system
// withdraws a message whose wait runs out before the program picked it up,
// and the next step would then land without it. A lone message is given up
// after the give-up time; nothing depends on it. Until the helper is done,
// that program's further messages are given up at once, so a hung program
// costs the player one timeout, not one per message. While it waits, the
// player still answers messages sent to its own windows.
//
// The helper is a plain Windows thread sharing one counted record with the
// sender: the C++ runtime's threads and futures of this toolchain, started
// and dropped by the hundred, crashed the program now and then inside the
// system's thread start and exit.
class BoundedSender {
 public:
  // How long a helper waits for the answer to a lone message; meanwhile
  // that program gets no further messages.
  static constexpr DWORD kGiveUpMs = 60000;

  explicit BoundedSender(DWORD timeoutMs, DWORD giveUpMs = kGiveUpMs)
      : timeoutMs_(timeoutMs), giveUpMs_(giveUpMs) {}
  ~BoundedSender();
  BoundedSender(const BoundedSender&) = delete;
  BoundedSender& operator=(const BoundedSender&) = delete;

  // The answered delivery, or nothing when no answer came in time or the
  // program never answered.
  std::optional<Delivery> Send(Delivery delivery);
  // Sends all of `deliveries`, which go to windows of one thread, in order.
  // True when all were answered in time; when not, the rest still follow.
  bool SendInOrder(std::vector<Delivery> deliveries);
  // Waits, at most `maxMs`, until every unit still on its way has its
  // answers; a lone message left unanswered changes nothing by arriving.
  // True when no unit is left.
  bool Finish(DWORD maxMs);

  // Messages on their way on a helper thread; freed by whichever of the two
  // lets go of them last.
  struct Pending;

 private:
  // The unit with its answers, or nothing when they did not all come in time.
  std::optional<std::vector<Delivery>> SendUnit(std::vector<Delivery> deliveries, DWORD giveUpMs);
  bool StillStuck(DWORD thread);
  void ForgetAnswered();
  Pending* FirstUnitOnItsWay();

  DWORD timeoutMs_;
  DWORD giveUpMs_;
  // Per receiving thread, the units it has not answered yet.
  std::multimap<DWORD, Pending*> unanswered_;
};

}  // namespace jukett::win32
