#include "platform/win32/bounded_send.h"

#include <utility>

namespace jukett::win32 {

struct BoundedSender::Pending {
  std::vector<Delivery> deliveries;
  HANDLE answered = nullptr;  // set once the helper has all the answers
  LONG holders = 2;           // the sender and the helper
};

namespace {

using Pending = BoundedSender::Pending;

// How long a helper thread waits for each answer of a hung program before it
// goes on; meanwhile that program gets no further messages.
constexpr DWORD kGiveUpMs = 60000;

Delivery SendNow(Delivery delivery, DWORD timeoutMs) {
  LPARAM lParam = delivery.lParam;
  if (delivery.buffer) lParam = reinterpret_cast<LPARAM>(delivery.buffer->data());
  if (delivery.wideBuffer) lParam = reinterpret_cast<LPARAM>(delivery.wideBuffer->data());
  DWORD_PTR result = 0;
  // Wine 8 waits for the answer whatever the timeout, hence the helper
  // thread. Windows would give up at once on a window it knows to be hung,
  // before the message is delivered; a unit must not lose its later steps
  // that way, so it is not asked to.
  const auto send = delivery.wide ? SendMessageTimeoutW : SendMessageTimeoutA;
  if (send(delivery.window, delivery.message, delivery.wParam, lParam, SMTO_NORMAL, timeoutMs,
           &result)) {
    delivery.result = static_cast<LRESULT>(result);
  }
  return delivery;
}

void SendAllNow(std::vector<Delivery>& deliveries) {
  for (Delivery& delivery : deliveries) delivery = SendNow(std::move(delivery), kGiveUpMs);
}

void LetGo(Pending* pending) {
  if (InterlockedDecrement(&pending->holders) != 0) return;
  CloseHandle(pending->answered);
  delete pending;
}

DWORD WINAPI Deliver(void* parameter) {
  auto* pending = static_cast<Pending*>(parameter);
  SendAllNow(pending->deliveries);
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

bool BoundedSender::StillStuck(DWORD thread) {
  const auto it = unanswered_.find(thread);
  if (it == unanswered_.end()) return false;
  if (!IsAnswered(it->second)) return true;
  LetGo(it->second);
  unanswered_.erase(it);
  return false;
}

std::optional<std::vector<Delivery>> BoundedSender::SendUnit(std::vector<Delivery> deliveries) {
  if (deliveries.empty()) return deliveries;
  const DWORD thread = GetWindowThreadProcessId(deliveries.front().window, nullptr);
  if (thread == 0) return std::nullopt;
  // The own thread's windows answer directly; a helper thread would wait for
  // this one, which is busy waiting for the helper.
  if (thread == GetCurrentThreadId()) {
    SendAllNow(deliveries);
    return deliveries;
  }
  if (StillStuck(thread)) return std::nullopt;

  auto* pending = new Pending{std::move(deliveries), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
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
    // and left a unit of its own behind; the later one stands for both.
    if (const auto it = unanswered_.find(thread); it != unanswered_.end()) LetGo(it->second);
    unanswered_[thread] = pending;
    return std::nullopt;
  }
  std::optional<std::vector<Delivery>> answers = std::move(pending->deliveries);
  LetGo(pending);
  return answers;
}

std::optional<Delivery> BoundedSender::Send(Delivery delivery) {
  std::vector<Delivery> unit;
  unit.push_back(std::move(delivery));
  auto answers = SendUnit(std::move(unit));
  if (!answers) return std::nullopt;
  return std::move(answers->front());
}

bool BoundedSender::SendInOrder(std::vector<Delivery> deliveries) {
  return SendUnit(std::move(deliveries)).has_value();
}

}  // namespace jukett::win32
