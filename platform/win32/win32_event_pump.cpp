#include "platform/win32/win32_event_pump.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace jukett::win32 {

void Win32EventPump::ProcessPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit for the message loop that owns it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32EventPump::WaitForEvents(double maxSeconds) {
  // Rounded up, so the caller is not woken a fraction early only to wait again.
  const double ms = std::clamp(std::ceil(maxSeconds * 1000.0), 0.0, 3600.0 * 1000.0);
  // Input that arrived before this call counts too, not only new input.
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(ms), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace jukett::win32
