#pragma once

#include "ports/screen.h"

namespace jukett::win32 {

// The whole primary display, measured at the DPI the program runs at.
class Win32Screen : public Screen {
 public:
  float Width() override;
  float Height() override;
  float TwipsPerPixelX() override;
};

}  // namespace jukett::win32
