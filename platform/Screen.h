#pragma once
// The screen: colour depth, the point-to-pixel rule and colour palettes.

#include "platform/Color.h"

#include <vector>

// Pixels per inch used to turn points into pixels, whatever the screen reports. Screens with
// more pixels are handled by the window system's device pixel ratio, not here.
constexpr int PixelsPerInch = 96;

// round(points * 96 / 72), halves rounded away from zero.
constexpr int PointsToPixels(int points) {
  const int scaled = points * PixelsPerInch * 2;  // twice the exact value, times 72
  return scaled >= 0 ? (scaled + 72) / 144 : -((-scaled + 72) / 144);
}

// What the engine may ask of the screen. Owned by the graphics factory.
struct TScreen {
  // Colour depth class: 4, 8 or 24. Screens are true colour, so this is 24 on every real
  // platform; the headless platform lets a test force 8 to exercise the palette builder.
  int ColorBits = 24;
};

// A logical palette of up to 256 entries (plain colours). Selecting one into a canvas has no
// effect on a true-colour surface, which every canvas is.
struct TPalette {
  std::vector<TColor> Entries;
};
