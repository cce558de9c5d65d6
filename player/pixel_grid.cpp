#include "player/pixel_grid.h"

#include <cmath>

namespace jukett {
namespace {

// The smallest move the program makes on purpose: one step of a slide.
constexpr double kSmallestStep = 10;

}  // namespace

int PixelForTwips(float twips, float twipsPerPixel, int currentPixel) {
  const double exact = static_cast<double>(twips) / twipsPerPixel;
  const int nearest = static_cast<int>(std::lround(exact));
  const double moveTwips = std::abs(static_cast<double>(twips) - currentPixel * twipsPerPixel);
  if (nearest != currentPixel || moveTwips < kSmallestStep) return nearest;
  return exact > currentPixel ? currentPixel + 1 : currentPixel - 1;
}

}  // namespace jukett
