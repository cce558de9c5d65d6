#include "player/pixel_grid.h"

#include <cmath>

namespace jukett {

int PixelForTwips(float twips, float twipsPerPixel, int currentPixel) {
  const double exact = static_cast<double>(twips) / twipsPerPixel;
  const int nearest = static_cast<int>(std::lround(exact));
  if (nearest != currentPixel || exact == currentPixel) return nearest;
  return exact > currentPixel ? currentPixel + 1 : currentPixel - 1;
}

}  // namespace jukett
