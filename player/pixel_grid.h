#pragma once

namespace jukett {

// The pixel a window edge goes to when the program sets it to `twips` while
// it stands on `currentPixel`: the nearest pixel, except that a position
// different from the current one never stays on the same pixel. Every step
// of a slide therefore moves the window, at any number of twips per pixel.
int PixelForTwips(float twips, float twipsPerPixel, int currentPixel);

}  // namespace jukett
