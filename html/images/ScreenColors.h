#pragma once
// The display colours images are made for: the colour depth class, the shared 256-colour
// palette of 8-bit displays, nearest-colour mapping, and the conversion of a decoded picture
// into one that paints as the screen shows it.
//
// Screens are true colour (Screen.h), so the depth class is 24 and there is no palette at run
// time. The palette builder and the mapping are still here, and a test can force 8-bit mode
// with SetDisplayColorBits(8): then every picture the loader makes has only palette colours.
// These settings are process-wide, like the image cache they serve.

#include <cstdint>

#include "platform/Color.h"
#include "platform/Screen.h"

class TBitmap;

// The depth class pictures are made for: 4, 8 or 24 (24 at first).
int DisplayColorBits();
// Sets the depth class from a number of bits per pixel (<= 4: 4, 5..8: 8, above: 24) and
// makes or drops the shared palette to match.
void SetDisplayColorBits(int bits);

// The shared palette, only while the depth class is 8; null otherwise.
const TPalette* SharedPalette();

// The 256-entry palette of 8-bit displays: the system palette's colours at 0..9 and 249..255,
// a 6 x 6 x 6 colour cube over the levels 55, 115, 165, 205, 235, 255 at 10..224 (blue
// outermost, red innermost, white left out), and 24 greys 135, 140, ..., 250 at 225..248.
TPalette BuildSharedPalette();

// The index of the palette entry nearest to color (least squared distance in red, green and
// blue; the lowest index of equals). The palette must not be empty.
int NearestColorIndex(const TPalette& palette, TColor color);

// Replaces every pixel of a colour bitmap by its nearest palette colour; a pixel with alpha
// keeps its alpha.
void MapToPalette(TBitmap& bitmap, const TPalette& palette);

// Makes a decoded picture ready to paint: on an 8-bit display its colours become palette
// colours; on true colour it is already as the screen shows it.
void ConvertToScreenBitmap(TBitmap& bitmap);
