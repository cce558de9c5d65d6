#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/win32/message_pump.h"

namespace jukett::testing {

// What a window shows, pixel by pixel, read back from its own surface.
class WindowCapture {
 public:
  explicit WindowCapture(HWND window);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const;
  bool IsBlack(int x, int y) const { return At(x, y) == 0; }
  bool IsWhite(int x, int y) const { return At(x, y) == 0xFFFFFF; }
  // Whether some 2 x 2 block inside `area` is wholly dark: a drawn symbol,
  // not the thin outline of a missing-glyph box.
  bool HasSolidMark(const RECT& area) const;
  // Writes the capture as a 24-bit BMP file.
  bool Save(const std::wstring& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace jukett::testing
