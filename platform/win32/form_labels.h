#pragma once

#include <windows.h>

#include <string>

#include "player/form_layout.h"

namespace jukett::win32 {

// A place of the window's table in pixels of the window.
RECT PixelRect(float left, float top, float width, float height, float twipsPerPixel);
RECT PixelRect(const ControlLayout& layout, float twipsPerPixel);

// Draws one label of the table with its caption of the moment: ground (when
// opaque), frame, then the caption, or the media symbol the font lacks.
void PaintLabel(HDC dc, const ControlLayout& layout, const RECT& place, const std::wstring& caption,
                Color foreColor, HFONT font);

// Draws one line of the table, one pixel wide, end points included.
void PaintLine(HDC dc, const LineLayout& line, float twipsPerPixel);

}  // namespace jukett::win32
