#pragma once

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

namespace jukett::win32 {

// The player on the real desktop: the window, its handlers and every
// adapter they reach. The window and its handlers know each other: the
// window is built first, holding the handlers that are built right after
// it, before any event.
struct Win32Player {
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

}  // namespace jukett::win32
