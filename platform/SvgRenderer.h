#pragma once
// Drawing SVG pictures: the platform service that turns the bytes of an SVG document into
// pixels. A platform without it answers every request with nothing, and the engine shows its
// usual placeholder instead.

#include "platform/Bitmap.h"
#include "platform/Color.h"

#include <cstdint>
#include <memory>
#include <span>

class TSvgRenderer {
public:
  virtual ~TSvgRenderer() = default;

  // The document drawn over transparent pixels, its viewBox (or, without one, its own size)
  // fitted into width x height with its proportions kept and centred. currentColor in it
  // stands for color (its red, green and blue) unless the document sets a colour of its own.
  // The bitmap has exactly that size and keeps the document's alpha: it has an alpha channel
  // (Bitmap.h) when any pixel is not opaque, so what lies beneath shows through as it does
  // through a PNG.
  //
  // Null when the platform cannot draw SVG, the size is not positive, or the document is not
  // one it draws (malformed, too large or too complex). Nothing but svg is ever read:
  // references to other files, URLs and resources are not followed. Drawing time stays
  // bounded: a document too costly to draw at full size is drawn smaller and scaled up.
  virtual std::unique_ptr<TBitmap> Render(std::span<const std::uint8_t> svg, int width,
                                          int height, TColor color) const = 0;
};
