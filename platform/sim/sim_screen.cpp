#include "platform/sim/sim_screen.h"

#include <algorithm>

namespace jukett::sim {
namespace {

float Overlap(float start, float end, float otherStart, float otherEnd) {
  return std::max(0.0f, std::min(end, otherEnd) - std::max(start, otherStart));
}

float Gap(float start, float end, float otherStart, float otherEnd) {
  return std::max({0.0f, otherStart - end, start - otherEnd});
}

float SharedArea(const ScreenRect& a, const ScreenRect& b) {
  return Overlap(a.left, a.right, b.left, b.right) * Overlap(a.top, a.bottom, b.top, b.bottom);
}

float SquaredDistance(const ScreenRect& a, const ScreenRect& b) {
  const float across = Gap(a.left, a.right, b.left, b.right);
  const float down = Gap(a.top, a.bottom, b.top, b.bottom);
  return across * across + down * down;
}

}  // namespace

SimScreen::SimScreen(int widthPixels, int heightPixels, float twipsPerPixel)
    : monitors_{{0, 0, widthPixels, heightPixels}}, twipsPerPixel_(twipsPerPixel) {}

void SimScreen::AddMonitor(int leftPixel, int topPixel, int widthPixels, int heightPixels) {
  monitors_.push_back({leftPixel, topPixel, leftPixel + widthPixels, topPixel + heightPixels});
}

float SimScreen::Width() { return InTwips(0).right; }
float SimScreen::Height() { return InTwips(0).bottom; }

ScreenRect SimScreen::InTwips(int index) const {
  const PixelRect& m = monitors_[index];
  return {m.left * twipsPerPixel_, m.top * twipsPerPixel_, m.right * twipsPerPixel_,
          m.bottom * twipsPerPixel_};
}

// As the system picks: the most shared area, else the least distance; on a
// tie the monitor listed first.
ScreenRect SimScreen::MonitorOf(const ScreenRect& window) {
  int best = 0;
  float bestArea = SharedArea(window, InTwips(0));
  for (int i = 1; i < static_cast<int>(monitors_.size()); ++i) {
    const float area = SharedArea(window, InTwips(i));
    if (area > bestArea) best = i, bestArea = area;
  }
  if (bestArea > 0) return InTwips(best);
  float bestDistance = SquaredDistance(window, InTwips(0));
  for (int i = 1; i < static_cast<int>(monitors_.size()); ++i) {
    const float distance = SquaredDistance(window, InTwips(i));
    if (distance < bestDistance) best = i, bestDistance = distance;
  }
  return InTwips(best);
}

}  // namespace jukett::sim
