#include "platform/win32/bounded_send.h"

#include <utility>

namespace jukett::win32 {

struct BoundedSender::Pending {
  Delivery delivery;
  HANDLE answered = nullptr;  // set once the helper has the answer
  LONG holders = 2;           // the sender and the helper
};

namespace {

using Pending = BoundedSender::Pending;

// How long a helper thread keeps a message for a hung program before it drops
// it; meanwhile that program gets no further messages.
constexpr DWORD kGiveUpMs = 60000;

Delivery SendNow(Delivery delivery, DWORD timeoutMs) {
  const LPARAM lParam =
      delivery.buffer ? reinterpret_cast<LPARAM>(delivery.buffer->data()) : delivery.lParam;
  DWORD_PTR result = 0;
  // Windows gives up at once on a window it knows to be hung; Wine 8 waits for
  // the answer whatever the timeout, hence the helper thread.
  if (SendMessageTimeoutA(delivery.window, delivery.message, delivery.wParam, lParam,
                          SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result)) {
    delivery.result = static_cast<LRESULT>(result);
  }
  return delivery;
}

void LetGo(Pending* pending) {
  if (InterlockedDecrement(&pending->holders) != 0) return;
  CloseHandle(pending->answered);
  delete pending;
}

DWORD WINAPI Deliver(void* parameter) {
  auto* pending = static_cast<Pending*>(parameter);
  pending->delivery = SendNow(std::move(pending->delivery), kGiveUpMs);
  SetEvent(pending->answered);
  LetGo(pending);
  return 0;
}

bool IsAnswered(const Pending* pending) {
  return WaitForSingleObject(pending->answered, 0) == WAIT_OBJECT_0;
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

std::optional<Delivery> BoundedSender::Send(Delivery delivery) {
  const DWORD thread = GetWindowThreadProcessId(delivery.window, nullptr);
  if (thread == 0) return std::nullopt;
  // The own thread's windows answer directly; a helper thread would wait for
  // this one, which is busy waiting for the helper.
  if (thread == GetCurrentThreadId()) return SendNow(std::move(delivery), kGiveUpMs);
  if (StillStuck(thread)) return std::nullopt;

  auto* pending = new Pending{std::move(delivery), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
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
  if (WaitForSingleObject(pending->answered, timeoutMs_) != WAIT_OBJECT_0) {
    unanswered_[thread] = pending;
    return std::nullopt;
  }
  std::optional<Delivery> answer = std::move(pending->delivery);
  LetGo(pending);
  return answer;
}

}  // namespace jukett::win32
