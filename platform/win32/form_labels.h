#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/gdi_fonts.h"
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

// The window's painted face: the labels of the table with the captions and
// colours they hold now, over the white ground, with the lists' frames and
// the lines. Captions are UTF-8 outside and wide inside.
class FormLabels {
 public:
  FormLabels(float twipsPerPixel, FontSet& fonts);

  float TwipsPerPixel() const { return twipsPerPixel_; }

  // Empty for a control that is no label.
  std::string Caption(Control label) const;
  // Whether the label took a new caption or colour: only then must its
  // place be painted again.
  bool SetCaption(Control label, std::string_view caption);
  bool SetForeColor(Control label, Color color);

  // Where a control of the table lies, in pixels of the window.
  RECT Place(Control control) const;
  // The top left of a control, from which its pointer positions count.
  POINT Origin(Control control) const;
  // The label under a point of the window; the window itself where none is.
  Control At(POINT point) const;

  // Draws the whole face into `dc`, whose client area is `client`.
  void Draw(HDC dc, const RECT& client) const;
  // The same through an off-screen bitmap, so labels never flicker.
  void Paint(HDC dc, const RECT& client) const;

 private:
  struct Label {
    const ControlLayout* layout;
    std::wstring caption;
    Color foreColor;
  };

  Label* Find(Control control);
  const Label* Find(Control control) const;

  float twipsPerPixel_;
  FontSet& fonts_;
  std::vector<Label> labels_;
};

}  // namespace jukett::win32
