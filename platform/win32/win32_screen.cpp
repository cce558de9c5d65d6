#include "platform/win32/win32_screen.h"

#include <windows.h>

#include "platform/win32/twips.h"

namespace jukett::win32 {

float Win32Screen::Width() {
  return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixelX();
}

float Win32Screen::Height() {
  return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * TwipsPerPixelX();
}

float Win32Screen::TwipsPerPixelX() { return TwipsPerPixel(ScreenDpi()); }

}  // namespace jukett::win32
