#pragma once

#include <windows.h>

namespace jukett::win32 {

// The window's place and size in twips, written and read through its pixels.
// A minimised window is placed and measured where it will be restored to.
class FormGeometry {
 public:
  FormGeometry(float twipsPerPixel, float widthTwips, float heightTwips);

  void Attach(HWND window) { window_ = window; }
  float TwipsPerPixel() const { return twipsPerPixel_; }
  // The size to make the window with.
  SIZE Pixels() const { return SIZE{widthPixels_, heightPixels_}; }

  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float left);
  void SetTop(float top);
  void SetHeight(float height);

 private:
  RECT WindowRect() const;
  void MoveTo(int x, int y);

  HWND window_ = nullptr;
  float twipsPerPixel_;
  // The sizes last set in twips and the pixels they came to: read back as
  // set while the window keeps those pixels, so a height compares equal to
  // the value written at any DPI.
  float widthTwips_, heightTwips_;
  int widthPixels_, heightPixels_;
};

}  // namespace jukett::win32
