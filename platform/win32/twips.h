#pragma once

#include <windows.h>

#include "ports/player_form.h"

namespace jukett::win32 {

// Dots per inch of the display, as a DPI-aware program sees it.
int ScreenDpi();
// 15 at 96 DPI, 12 at 120, 10 at 144, 7.5 at 192.
float TwipsPerPixel(int dpi);
// The nearest pixel to a length or position inside the window.
int TwipsToPixels(float twips, float twipsPerPixel);

// A colour of the window's table as GDI draws it: 0x800000nn becomes the
// current system colour nn.
COLORREF ResolveColor(Color color);

}  // namespace jukett::win32
