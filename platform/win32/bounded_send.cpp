#include "platform/win32/bounded_send.h"

#include <utility>

namespace jukett::win32 {

struct BoundedSender::Pending {
  std::vector<Delivery> deliveries;
  DWORD giveUpMs;             // INFINITE: as long as the program takes
  HANDLE answered = nullptr;  // set once the helper has all the answers
  LONG holders = 2;           // the sender and the helper
};

namespace {

using Pending = BoundedSender::Pending;

Delivery SendNow(Delivery delivery, DWORD giveUpMs) {
  LPARAM lParam = delivery.lParam;
  if (delivery.buffer) lParam = reinterpret_cast<LPARAM>(delivery.buffer->data());
  if (delivery.wideBuffer) lParam = reinterpret_cast<LPARAM>(delivery.wideBuffer->data());
  if (giveUpMs == INFINITE) {
    const auto send = delivery.wide ? SendMessageW : SendMessageA;
    delivery.result = send(delivery.window, delivery.message, delivery.wParam, lParam);
    delivery.answered = true;
    return delivery;
  }
  DWORD_PTR result = 0;
  // Windows would give up at once on a window it knows to be hung, before
  // the message is delivered, hence no SMTO_ABORTIFHUNG.
  const auto send = delivery.wide ? SendMessageTimeoutW : SendMessageTimeoutA;
  if (send(delivery.window, delivery.message, delivery.wParam, lParam, SMTO_NORMAL, giveUpMs,
           &result)) {
    delivery.result = static_cast<LRESULT>(result);
    delivery.answered = true;
  }
  return delivery;
}

void SendAllNow(std::vector<Delivery>& deliveries, DWORD giveUpMs) {
  for (Delivery& delivery : deliveries) delivery = SendNow(std::move(delivery), giveUpMs);
}

void LetGo(Pending* pending) {
  if (InterlockedDecrement(&pending->holders) != 0) return;
  CloseHandle(pending->answered);
  delete pending;
}

DWORD WINAPI Deliver(void* parameter) {
  auto* pending = static_cast<Pending*>(parameter);
  SendAllNow(pending->deliveries, pending->giveUpMs);
  SetEvent(pending->answered);
  LetGo(pending);
  return 0;
}

bool IsAnswered(const Pending* pending) {
  return WaitForSingleObject(pending->answered, 0) == WAIT_OBJECT_0;
}

// Waits up to `timeoutMs` for `answered`. Messages other programs send to
// this thread's windows meanwhile are answered (a program waiting for the
// player's answer may be the very one the player waits for); posted input
// stays queued for the message loop.
bool WaitAnswering(HANDLE answered, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (true) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &answered, left, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0) return true;
    if (woken != WAIT_OBJECT_0 + 1) return false;
    // Peeking answers the messages sent to this thread; it takes nothing.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

BoundedSender::~BoundedSender() {
  for (const auto& [thread, pending] : unanswered_) LetGo(pending);
}

void BoundedSender::ForgetAnswered() {
  for (auto it = unanswered_.begin(); it != unanswered_.end();) {
    if (IsAnswered(it->second)) {
      LetGo(it->second);
      it = unanswered_.erase(it);
    } else {
      ++it;
    }
  }
}

bool BoundedSender::StillStuck(DWORD thread) {
  ForgetAnswered();
  return unanswered_.count(thread) > 0;
}

std::optional<std::vector<Delivery>> BoundedSender::SendUnit(std::vector<Delivery> deliveries,
                                                             DWORD giveUpMs) {
  if (deliveries.empty()) return deliveries;
  const DWORD thread = GetWindowThreadProcessId(deliveries.front().window, nullptr);
  if (thread == 0) return std::nullopt;
  // The own thread's windows answer directly; a helper thread would wait for
  // this one, which is busy waiting for the helper.
  if (thread == GetCurrentThreadId()) {
    SendAllNow(deliveries, giveUpMs);
    return deliveries;
  }
  if (StillStuck(thread)) return std::nullopt;

  auto* pending =
      new Pending{std::move(deliveries), giveUpMs, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  if (!pending->answered) {
    delete pending;
    return std::nullopt;
  }
  HANDLE helper = CreateThread(nullptr, 0, &Deliver, pending, 0, nullptr);
  if (!helper) {
    CloseHandle(pending->answered);
    delete pending;
    return std::nullopt;
  }
  CloseHandle(helper);
  if (!WaitAnswering(pending->answered, timeoutMs_)) {
    // A message answered during the wait may have sent to the same program
    // and left a unit of its own behind: both are kept until answered.
    unanswered_.emplace(thread, pending);
    return std::nullopt;
  }
  std::optional<std::vector<Delivery>> answers = std::move(pending->deliveries);
  LetGo(pending);
  return answers;
}

std::optional<Delivery> BoundedSender::Send(Delivery delivery) {
  std::vector<Delivery> unit;
  unit.push_back(std::move(delivery));
  auto answers = SendUnit(std::move(unit), giveUpMs_);
  if (!answers || !answers->front().answered) return std::nullopt;
  return std::move(answers->front());
}

bool BoundedSender::SendInOrder(std::vector<Delivery> deliveries) {
  return SendUnit(std::move(deliveries), INFINITE).has_value();
}

BoundedSender::Pending* BoundedSender::FirstUnitOnItsWay() {
  ForgetAnswered();
  for (const auto& [thread, pending] : unanswered_) {
    if (pending->giveUpMs == INFINITE) return pending;
  }
  return nullptr;
}

bool BoundedSender::Finish(DWORD maxMs) {
  const ULONGLONG deadline = GetTickCount64() + maxMs;
  while (Pending* pending = FirstUnitOnItsWay()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    // Held through the wait: a message answered meanwhile may send anew and
    // forget the units answered by then.
    InterlockedIncrement(&pending->holders);
    WaitAnswering(pending->answered, static_cast<DWORD>(deadline - now));
    LetGo(pending);
  }
  return true;
}

}  // namespace jukett::win32
