#pragma once

#include "ports/tray.h"

namespace jukett::win32 {

// The shell's notification area, through Shell_NotifyIconA with the icon
// record in its first form.
class Win32Tray : public Tray {
 public:
  bool Add(const IconRecord& record) override;
  void Delete(const IconRecord& record) override;
};

}  // namespace jukett::win32
