#include "platform/win32/twips.h"

#include <cmath>

namespace jukett::win32 {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

float TwipsPerPixel(int dpi) { return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96); }

int TwipsToPixels(float twips, float twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

COLORREF ResolveColor(Color color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace jukett::win32
