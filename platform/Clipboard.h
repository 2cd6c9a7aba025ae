#pragma once
// The desktop clipboard. It holds one thing at a time: each Set replaces whatever it held.

#include "platform/Bitmap.h"

#include <optional>
#include <string>
#include <string_view>

class TClipboard {
public:
  virtual ~TClipboard() = default;

  virtual void SetText(std::u32string_view text) = 0;
  // The text on the clipboard; none when it holds no text.
  virtual std::optional<std::u32string> Text() const = 0;

  // Images travel as colour bitmaps; a monochrome bitmap is put as black and white colours.
  virtual void SetImage(const TBitmap& image) = 0;
  // The image on the clipboard; none when it holds no image.
  virtual std::optional<TBitmap> Image() const = 0;
};
