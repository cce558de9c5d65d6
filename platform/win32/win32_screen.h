#pragma once

#include "ports/screen.h"

namespace jukett::win32 {

// The desktop's monitors, measured at the DPI the program runs at.
class Win32Screen : public Screen {
 public:
  float Width() override;
  float Height() override;
  float TwipsPerPixelX() override;
  ScreenRect MonitorOf(const ScreenRect& window) override;
};

}  // namespace jukett::win32
