#include "platform/win32/form_geometry.h"

#include <algorithm>

#include "platform/win32/twips.h"
#include "player/pixel_grid.h"

namespace jukett::win32 {

FormGeometry::FormGeometry(float twipsPerPixel, float widthTwips, float heightTwips)
    : twipsPerPixel_(twipsPerPixel),
      widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      widthPixels_(TwipsToPixels(widthTwips, twipsPerPixel)),
      heightPixels_(TwipsToPixels(heightTwips, twipsPerPixel)) {}

RECT FormGeometry::WindowRect() const {
  RECT rect{};
  if (!window_) return rect;
  if (IsIconic(window_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    return placement.rcNormalPosition;
  }
  GetWindowRect(window_, &rect);
  return rect;
}

float FormGeometry::Left() const { return static_cast<float>(WindowRect().left) * twipsPerPixel_; }
float FormGeometry::Top() const { return static_cast<float>(WindowRect().top) * twipsPerPixel_; }

float FormGeometry::Width() const {
  const RECT rect = WindowRect();
  const int pixels = rect.right - rect.left;
  return pixels == widthPixels_ ? widthTwips_ : static_cast<float>(pixels) * twipsPerPixel_;
}

float FormGeometry::Height() const {
  const RECT rect = WindowRect();
  const int pixels = rect.bottom - rect.top;
  return pixels == heightPixels_ ? heightTwips_ : static_cast<float>(pixels) * twipsPerPixel_;
}

void FormGeometry::SetLeft(float left) {
  const RECT rect = WindowRect();
  const int x = PixelForTwips(left, twipsPerPixel_, rect.left);
  if (x != rect.left) MoveTo(x, rect.top);
}

void FormGeometry::SetTop(float top) {
  const RECT rect = WindowRect();
  const int y = PixelForTwips(top, twipsPerPixel_, rect.top);
  if (y != rect.top) MoveTo(rect.left, y);
}

// A minimised window moves where it will be restored to: that is where its
// position is read from, so a slide running meanwhile still comes to an end.
// The placement read back says "show minimised", which would show a window
// hidden in the tray: a move leaves it shown or hidden as it was, and inactive.
void FormGeometry::MoveTo(int x, int y) {
  if (!window_) return;
  if (!IsIconic(window_)) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  OffsetRect(&placement.rcNormalPosition, x - placement.rcNormalPosition.left,
             y - placement.rcNormalPosition.top);
  placement.showCmd = IsWindowVisible(window_) ? SW_SHOWMINNOACTIVE : SW_HIDE;
  SetWindowPlacement(window_, &placement);
}

void FormGeometry::SetHeight(float height) {
  if (!window_) return;
  const RECT rect = WindowRect();
  // The nearest pixel: a size has no slide that must move at every step, and
  // writing the height it already has must leave it alone.
  const int pixels = std::max(0, TwipsToPixels(height, twipsPerPixel_));
  heightTwips_ = height;
  heightPixels_ = pixels;
  SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, pixels,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

}  // namespace jukett::win32
