// juKett ZRV for Windows: the player window, wired to the real desktop.
#include <windows.h>

#include "platform/win32/win32_player.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
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
