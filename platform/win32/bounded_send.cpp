#include "platform/win32/bounded_send.h"

#include <chrono>
#include <thread>

namespace jukett::win32 {
namespace {

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

}  // namespace

bool BoundedSender::StillStuck(DWORD thread) {
  const auto it = unanswered_.find(thread);
  if (it == unanswered_.end()) return false;
  if (it->second.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return true;
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

  std::packaged_task<Delivery(Delivery, DWORD)> task(SendNow);
  std::shared_future<Delivery> answer = task.get_future().share();
  std::thread(std::move(task), std::move(delivery), kGiveUpMs).detach();
  if (answer.wait_for(std::chrono::milliseconds(timeoutMs_)) != std::future_status::ready) {
    unanswered_[thread] = answer;
    return std::nullopt;
  }
  return answer.get();
}

}  // namespace jukett::win32
