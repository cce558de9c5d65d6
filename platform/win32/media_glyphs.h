#pragma once

#include <windows.h>

#include <string_view>

namespace jukett::win32 {

// The five characters whose media symbols the transport buttons show.
inline constexpr std::wstring_view kMediaSymbols = L"9<4;:";

// Whether the font selected into `dc` is `face` itself, not one the system
// put in its place, and has a glyph of its own for all five media symbols.
// Only then may it draw them: a substitute "has" the digits and punctuation
// that stand for them, and a partial face mixes its symbols with ours.
bool FontHasMediaSymbols(HDC dc, std::wstring_view face);

// Draws the media symbol that Webdings shows for `character` ("9" back,
// "<" stop, "4" play, ";" pause, ":" forward) inside `cell`, the box the
// glyph would fill, in `color`. False for any other character.
bool DrawMediaSymbol(HDC dc, wchar_t character, const RECT& cell, COLORREF color);

}  // namespace jukett::win32
