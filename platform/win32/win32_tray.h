#pragma once

#include <cstdint>

#include "ports/tray.h"

namespace jukett::win32 {

// The message the shell reports the icon's events with (WM_APP + 1), in
// place of the record's pointer move: a window could not tell a real pointer
// move from one of those, nor would it see it at the point the shell names
// once it is wider than that. Its wParam and lParam are the shell's.
inline constexpr std::uint32_t kTrayIconMessage = 0x8000 + 1;

// The shell's notification area, through Shell_NotifyIconA with the icon
// record in its first form.
class Win32Tray : public Tray {
 public:
  bool Add(const IconRecord& record) override;
  void Delete(const IconRecord& record) override;
};

}  // namespace jukett::win32
