#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "platform/win32/system_function.h"
#include "ports/tray.h"

namespace jukett::win32 {

// The message the shell reports the icon's events with (WM_APP + 1), in
// place of the record's pointer move: a report that came as a pointer move
// could not be told from a real one, and a window wider than the x it names
// would find one of its labels there. Its wParam and lParam are the shell's.
inline constexpr std::uint32_t kTrayIconMessage = 0x8000 + 1;

// The shell's notification area, through Shell_NotifyIconA with the icon
// record in its first form.
class Win32Tray : public Tray {
 public:
  bool Add(const IconRecord& record) override;
  void Delete(const IconRecord& record) override;

 private:
  // The shell's large library is loaded when the icon is first needed, at
  // the first minimise, not while the window starts.
  SystemFunction<decltype(&Shell_NotifyIconA)> notifyIcon_{L"shell32.dll", "Shell_NotifyIconA"};
};

}  // namespace jukett::win32
