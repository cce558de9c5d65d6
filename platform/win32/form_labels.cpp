#include "platform/win32/form_labels.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/win32/ansi_text.h"
#include "platform/win32/media_glyphs.h"
#include "platform/win32/twips.h"

namespace jukett::win32 {
namespace {

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// Where a media symbol stands inside the label: a square as high as the
// selected font's characters, at the top, placed as the caption's alignment
// places text. Only the size asked for counts, not the face the system chose,
// so the symbols come out alike whichever face stands in.
RECT GlyphCell(HDC dc, const RECT& place, Alignment align) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int side = metrics.tmHeight - metrics.tmInternalLeading;
  const int left = align == Alignment::Center ? (place.left + place.right - side) / 2 : place.left;
  return RECT{left, place.top, left + side, place.top + side};
}

}  // namespace

RECT PixelRect(float left, float top, float width, float height, float twipsPerPixel) {
  return RECT{TwipsToPixels(left, twipsPerPixel), TwipsToPixels(top, twipsPerPixel),
              TwipsToPixels(left + width, twipsPerPixel),
              TwipsToPixels(top + height, twipsPerPixel)};
}

RECT PixelRect(const ControlLayout& layout, float twipsPerPixel) {
  return PixelRect(layout.left, layout.top, layout.width, layout.height, twipsPerPixel);
}

void PaintLabel(HDC dc, const ControlLayout& layout, const RECT& place, const std::wstring& caption,
                Color foreColor, HFONT font) {
  if (layout.opaque) Fill(dc, place, ResolveColor(layout.backColor));
  RECT inside = place;
  if (layout.border) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FrameRect(dc, &place, black);
    InflateRect(&inside, -1, -1);
  }
  if (caption.empty()) return;

  const int saved = SaveDC(dc);
  IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const COLORREF color = ResolveColor(foreColor);
  SetTextColor(dc, color);
  const bool lone = caption.size() == 1;
  if (IsGlyphLabel(layout) && lone && !FontHasMediaSymbols(dc, Utf8ToWide(layout.font.face)) &&
      DrawMediaSymbol(dc, caption[0], GlyphCell(dc, inside, layout.align), color)) {
    RestoreDC(dc, saved);
    return;
  }
  const UINT align = layout.align == Alignment::Center ? DT_CENTER : DT_LEFT;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &inside,
            align | DT_WORDBREAK | DT_NOPREFIX);
  RestoreDC(dc, saved);
}

void PaintLine(HDC dc, const LineLayout& line, float twipsPerPixel) {
  // As thick as one pixel at 96 DPI, so that at any DPI the frame covers the
  // window's outermost pixels whichever way its size was rounded.
  constexpr float kThickness = 15;
  auto from = [&](float twips) { return static_cast<int>(std::floor(twips / twipsPerPixel)); };
  auto to = [&](float twips) {
    return std::max(from(twips) + 1,
                    static_cast<int>(std::ceil((twips + kThickness) / twipsPerPixel)));
  };
  const RECT rect{from(std::min(line.x1, line.x2)), from(std::min(line.y1, line.y2)),
                  to(std::max(line.x1, line.x2)), to(std::max(line.y1, line.y2))};
  Fill(dc, rect, ResolveColor(line.color));
}

FormLabels::FormLabels(float twipsPerPixel, FontSet& fonts)
    : twipsPerPixel_(twipsPerPixel), fonts_(fonts) {
  for (const ControlLayout& layout : FormControls()) {
    if (layout.kind == ControlKind::Label) {
      labels_.push_back({&layout, Utf8ToWide(layout.caption), layout.foreColor});
    }
  }
}

const FormLabels::Label* FormLabels::Find(Control control) const {
  for (const Label& label : labels_) {
    if (label.layout->control == control) return &label;
  }
  return nullptr;
}

FormLabels::Label* FormLabels::Find(Control control) {
  return const_cast<Label*>(std::as_const(*this).Find(control));
}

std::string FormLabels::Caption(Control label) const {
  const Label* found = Find(label);
  return found ? WideToUtf8(found->caption) : std::string();
}

bool FormLabels::SetCaption(Control label, std::string_view caption) {
  Label* found = Find(label);
  if (!found) return false;
  std::wstring wide = Utf8ToWide(caption);
  if (wide == found->caption) return false;
  found->caption = std::move(wide);
  return true;
}

bool FormLabels::SetForeColor(Control label, Color color) {
  Label* found = Find(label);
  if (!found || found->foreColor == color) return false;
  found->foreColor = color;
  return true;
}

RECT FormLabels::Place(Control control) const {
  return PixelRect(LayoutOf(control), twipsPerPixel_);
}

POINT FormLabels::Origin(Control control) const {
  if (control == Control::Form) return POINT{0, 0};
  const RECT place = Place(control);
  return POINT{place.left, place.top};
}

Control FormLabels::At(POINT point) const {
  // The last label drawn lies on top.
  for (auto label = labels_.rbegin(); label != labels_.rend(); ++label) {
    const RECT place = PixelRect(*label->layout, twipsPerPixel_);
    if (PtInRect(&place, point)) return label->layout->control;
  }
  return Control::Form;
}

void FormLabels::Draw(HDC dc, const RECT& client) const {
  Fill(dc, client, ResolveColor(kFormBackColor));
  for (const Label& label : labels_) {
    PaintLabel(dc, *label.layout, PixelRect(*label.layout, twipsPerPixel_), label.caption,
               label.foreColor, fonts_.Get(label.layout->font));
  }
  // The lists' frames are drawn here in solid black: a list box's own border
  // takes the system's frame colour.
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (const ControlLayout& layout : FormControls()) {
    if (layout.kind == ControlKind::Label || !layout.border) continue;
    const RECT frame = PixelRect(layout, twipsPerPixel_);
    FrameRect(dc, &frame, black);
  }
  for (const LineLayout& line : FormLines()) PaintLine(dc, line, twipsPerPixel_);
}

void FormLabels::Paint(HDC dc, const RECT& client) const {
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old = SelectObject(buffer, bitmap);
  Draw(buffer, client);
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
}

}  // namespace jukett::win32
