#pragma once

namespace jukett {

// The pixel a window edge goes to when the program sets it to `twips` while
// it stands on `currentPixel`: the nearest pixel. A move of a whole slide
// step or more never stays on the same pixel, though, so every step of a
// slide moves the window, at any number of twips per pixel.
int PixelForTwips(float twips, float twipsPerPixel, int currentPixel);

}  // namespace jukett
