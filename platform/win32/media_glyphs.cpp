#include "platform/win32/media_glyphs.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace jukett::win32 {
namespace {

// One shape of a symbol in a square of side 12, scaled to the glyph's size.
struct Shape {
  bool bar;  // a rectangle from (x1, y1) to (x2, y2); else a triangle
  int x1, y1, x2, y2, x3, y3;
};

constexpr int kUnit = 12;

std::vector<Shape> ShapesOf(wchar_t character) {
  switch (character) {
    case L'4':  // play
      return {{false, 2, 0, 11, 6, 2, 12}};
    case L'<':  // stop
      return {{true, 1, 1, 11, 11, 0, 0}};
    case L';':  // pause
      return {{true, 2, 1, 5, 11, 0, 0}, {true, 7, 1, 10, 11, 0, 0}};
    case L'9':  // back to the start
      return {{true, 0, 1, 2, 11, 0, 0}, {false, 7, 1, 2, 6, 7, 11}, {false, 12, 1, 7, 6, 12, 11}};
    case L':':  // on to the end
      return {{false, 0, 1, 5, 6, 0, 11}, {false, 5, 1, 10, 6, 5, 11}, {true, 10, 1, 12, 11, 0, 0}};
    default:
      return {};
  }
}

}  // namespace

bool FontHasMediaSymbols(HDC dc, std::wstring_view face) {
  wchar_t selected[LF_FACESIZE] = {};
  if (GetTextFaceW(dc, LF_FACESIZE, selected) == 0) return false;
  const std::wstring wanted(face);
  if (lstrcmpiW(selected, wanted.c_str()) != 0) return false;

  WORD indices[kMediaSymbols.size()];
  if (GetGlyphIndicesW(dc, kMediaSymbols.data(), static_cast<int>(kMediaSymbols.size()), indices,
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    return false;
  }
  return std::none_of(std::begin(indices), std::end(indices),
                      [](WORD index) { return index == 0xFFFF; });
}

bool DrawMediaSymbol(HDC dc, wchar_t character, const RECT& cell, COLORREF color) {
  const std::vector<Shape> shapes = ShapesOf(character);
  if (shapes.empty()) return false;
  // About three quarters of the cell's height, centred in it, as large as the
  // font's own media symbols.
  const int side = static_cast<int>(std::max<LONG>(4, (cell.bottom - cell.top) * 3 / 4));
  const int left = (cell.left + cell.right - side) / 2;
  const int top = (cell.top + cell.bottom - side) / 2;
  auto x = [&](int unit) { return left + unit * side / kUnit; };
  auto y = [&](int unit) { return top + unit * side / kUnit; };

  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  for (const Shape& shape : shapes) {
    if (shape.bar) {
      const RECT bar{x(shape.x1), y(shape.y1), x(shape.x2), y(shape.y2)};
      FillRect(dc, &bar, brush);
    } else {
      const POINT corners[] = {
          {x(shape.x1), y(shape.y1)}, {x(shape.x2), y(shape.y2)}, {x(shape.x3), y(shape.y3)}};
      Polygon(dc, corners, 3);
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
  return true;
}

}  // namespace jukett::win32
