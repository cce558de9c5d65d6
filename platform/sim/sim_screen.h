#pragma once

#include <vector>

#include "ports/screen.h"

namespace jukett::sim {

// A desktop of whole pixels at a chosen density: the primary screen at 0, 0
// and any monitors placed beside it.
class SimScreen : public Screen {
 public:
  SimScreen(int widthPixels, int heightPixels, float twipsPerPixel);

  // Another monitor, in pixels of the desktop: left of or above the primary
  // it starts at negative coordinates.
  void AddMonitor(int leftPixel, int topPixel, int widthPixels, int heightPixels);

  float Width() override;
  float Height() override;
  float TwipsPerPixelX() override { return twipsPerPixel_; }
  ScreenRect MonitorOf(const ScreenRect& window) override;

 private:
  ScreenRect InTwips(int index) const;

  struct PixelRect {
    int left, top, right, bottom;
  };
  std::vector<PixelRect> monitors_;  // the primary first
  float twipsPerPixel_;
};

}  // namespace jukett::sim
