#pragma once

namespace jukett {

// The whole display, in twips (1/1440 inch).
class Screen {
 public:
  virtual ~Screen() = default;

  virtual float Width() = 0;
  virtual float Height() = 0;
  virtual float TwipsPerPixelX() = 0;
};

}  // namespace jukett
