#include "platform/win32/gdi_fonts.h"

#include <cmath>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {

FontSet::~FontSet() {
  for (const Entry& entry : fonts_) DeleteObject(entry.font);
}

HFONT FontSet::Get(const FontStyle& style) {
  for (const Entry& entry : fonts_) {
    if (entry.style.face == style.face && entry.style.points == style.points &&
        entry.style.weight == style.weight && entry.style.charset == style.charset) {
      return entry.font;
    }
  }
  LOGFONTW font{};
  // Negative: the size of the characters themselves, as points mean.
  font.lfHeight = -static_cast<LONG>(std::lround(style.points * static_cast<float>(dpi_) / 72.0f));
  font.lfWeight = style.weight;
  font.lfCharSet = static_cast<BYTE>(style.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Utf8ToWide(style.face);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  HFONT made = CreateFontIndirectW(&font);
  if (!made)
    made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  else
    fonts_.push_back({style, made});
  return made;
}

}  // namespace jukett::win32
