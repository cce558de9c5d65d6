// juKett ZRV for Windows.
#include <windows.h>

#include "chathost/announcer.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  jukett::win32::Win32HostWindows windows;
  jukett::win32::Win32EventPump events;
  jukett::win32::Win32Clock clock;
  const jukett::HostPorts host{windows, events};

  // The player's window arrives next; so far the program greets the room.
  jukett::AnnounceStartUp(host, clock);
  return 0;
}
