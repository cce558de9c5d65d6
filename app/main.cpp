// juKett ZRV for Windows: the player window, wired to the real desktop.
#include <windows.h>

#include "platform/win32/one_player.h"
#include "platform/win32/win32_player.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A second start brings the running player back, and that is all it does.
  if (!jukett::win32::FirstPlayerInSession()) return 0;
  static jukett::win32::Win32Player player;
  if (!player.form.Create()) return 1;
  player.handlers.Load();
  player.form.Show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
