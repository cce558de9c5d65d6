#pragma once

namespace jukett {

// A rectangle on the desktop in twips (1/1440 inch), right and bottom
// exclusive. The primary screen's top left corner is 0, 0; a monitor left
// of or above it has negative coordinates.
struct ScreenRect {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
};

// The desktop's screens, in twips.
class Screen {
 public:
  virtual ~Screen() = default;

  // The primary screen.
  virtual float Width() = 0;
  virtual float Height() = 0;
  virtual float TwipsPerPixelX() = 0;

  // The whole monitor that holds most of `window`, or the one nearest to it
  // when it lies on none.
  virtual ScreenRect MonitorOf(const ScreenRect& window) = 0;
};

}  // namespace jukett
