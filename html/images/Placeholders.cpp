#include "html/images/Placeholders.h"

#include <array>
#include <string_view>

#include "platform/Bitmap.h"
#include "platform/Color.h"

namespace {

using TPixelMap = std::array<std::string_view, PlaceholderSize>;

// One letter per pixel; '.' is transparent in the error picture's mask.
constexpr TPixelMap ErrorPixels = {
    "ggggggggggg.....",
    "gwwwwwwwwwgg....",
    "gwwwwwwwwwgwg...",
    "gwwwwwwwwwgwwg..",
    "gwrrwwwwrrggggg.",
    "gwwrrwwrrwwwwwg.",
    "gwwwrrrrwwwwwwg.",
    "gwwwwrrwwwwwwwg.",
    "gwwwrrrrwwwwwwg.",
    "gwwrrwwrrwwwwwg.",
    "gwrrwwwwrrwwwwg.",
    "gwwwwwwwwwwwwwg.",
    "gwwwwwwwwwwwwwg.",
    "gwwwwwwwwwwwwwg.",
    "ggggggggggggggg.",
    "................",
};

constexpr TPixelMap DefaultPixels = {
    "kkkkkkkkkkkkkkkk",
    "kssssssssssssssk",
    "ksaaaaaaaaaaaask",
    "ksaaaaaaaaayyask",
    "ksaaaaaaaayyyysk",
    "ksaaaaaaaaayyask",
    "ksaaaaaaaaaaaask",
    "ksaaaaeaaaaaaask",
    "ksaaaeeeaaaaaask",
    "ksaaeeeeeaaaeask",
    "ksaeeeeeeeaeeesk",
    "kseeeeeeeeeeeesk",
    "kseeeeeeeeeeeesk",
    "kseeeeeeeeeeeesk",
    "kssssssssssssssk",
    "kkkkkkkkkkkkkkkk",
};

TColor ColorOf(char letter) {
  switch (letter) {
    case 'g': return clGray;
    case 'w': return clWhite;
    case 'r': return clRed;
    case 's': return clSilver;
    case 'a': return clAqua;
    case 'y': return clYellow;
    case 'e': return clGreen;
    default: return clBlack;
  }
}

TBitmap Paint(const TPixelMap& pixels, bool mask) {
  TBitmap bitmap(PlaceholderSize, PlaceholderSize, mask);
  for (int y = 0; y < PlaceholderSize; ++y)
    for (int x = 0; x < PlaceholderSize; ++x) {
      const char letter = pixels[std::size_t(y)][std::size_t(x)];
      if (mask)
        bitmap.SetPixel(x, y, letter == '.' ? clWhite : clBlack);
      else
        bitmap.SetPixel(x, y, ColorOf(letter));
    }
  return bitmap;
}

}  // namespace

const TBitmap& ErrorImage() {
  static const TBitmap picture = Paint(ErrorPixels, false);
  return picture;
}

const TBitmap& ErrorImageMask() {
  static const TBitmap mask = Paint(ErrorPixels, true);
  return mask;
}

const TBitmap& DefaultImage() {
  static const TBitmap picture = Paint(DefaultPixels, false);
  return picture;
}
