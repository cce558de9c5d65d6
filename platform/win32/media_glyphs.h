#pragma once

#include <windows.h>

namespace jukett::win32 {

// Whether the font selected into `dc` has a glyph of its own for `character`.
bool FontHasGlyph(HDC dc, wchar_t character);

// Draws the media symbol that Webdings shows for `character` ("9" back,
// "<" stop, "4" play, ";" pause, ":" forward) inside `cell`, the box the
// glyph would fill, in `color`. False for any other character.
bool DrawMediaSymbol(HDC dc, wchar_t character, const RECT& cell, COLORREF color);

}  // namespace jukett::win32
