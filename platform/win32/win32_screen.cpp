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

ScreenRect Win32Screen::MonitorOf(const ScreenRect& window) {
  const float twipsPerPixel = TwipsPerPixelX();
  const RECT pixels = {TwipsToPixels(window.left, twipsPerPixel),
                       TwipsToPixels(window.top, twipsPerPixel),
                       TwipsToPixels(window.right, twipsPerPixel),
                       TwipsToPixels(window.bottom, twipsPerPixel)};
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromRect(&pixels, MONITOR_DEFAULTTONEAREST), &info)) {
    return {0, 0, Width(), Height()};  // the primary, as before there were several
  }
  const RECT& monitor = info.rcMonitor;
  return {monitor.left * twipsPerPixel, monitor.top * twipsPerPixel,
          monitor.right * twipsPerPixel, monitor.bottom * twipsPerPixel};
}

}  // namespace jukett::win32
