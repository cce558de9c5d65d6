#include "platform/win32/gdi_fonts.h"

#include <cmath>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {

FontSet::~FontSet() {
  for (const Entry& entry : fonts_) DeleteObject(entry.font);
}

HFONT FontSet::Get(const FontSpec& spec) {
  for (const Entry& entry : fonts_) {
    if (entry.spec.face == spec.face && entry.spec.points == spec.points &&
        entry.spec.weight == spec.weight && entry.spec.charset == spec.charset) {
      return entry.font;
    }
  }
  LOGFONTW font{};
  // Negative: the size of the characters themselves, as points mean.
  font.lfHeight = -static_cast<LONG>(std::lround(spec.points * static_cast<float>(dpi_) / 72.0f));
  font.lfWeight = spec.weight;
  font.lfCharSet = static_cast<BYTE>(spec.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Utf8ToWide(spec.face);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  HFONT made = CreateFontIndirectW(&font);
  if (!made)
    made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  else
    fonts_.push_back({spec, made});
  return made;
}

}  // namespace jukett::win32
