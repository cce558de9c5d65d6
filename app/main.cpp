// juKett ZRV for Windows: the player window, wired to the real desktop.
#include <windows.h>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "platform/win32/win32_media_control.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile_files.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_tray.h"
#include "player/frm_jukett.h"

namespace {

using namespace jukett;
using namespace jukett::win32;

// The window and its handlers know each other: the window is built first,
// holding the handlers that are built right after it, before any event.
struct Player {
  Win32HostWindows windows;
  Win32EventPump events;
  Win32Clock clock;
  Win32Screen screen;
  Win32Tray tray;
  Win32Process process;
  Win32MediaControl media;
  Win32ProfileFiles profiles;
  Win32PlayerForm form{handlers};
  frmJUKETT handlers{{form, screen, tray, process, media, profiles, {windows, events}, clock}};
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  static Player player;
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
