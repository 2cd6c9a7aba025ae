#pragma once
// Bitmaps: rectangles of pixels the engine decodes pictures into, keeps masks in and paints
// off-screen pages on.
//
// A pixel is stored as one 32-bit word 0xAARRGGBB, rows top to bottom, Width() words per row
// with no padding. Both platforms draw straight into this memory. A bitmap without an alpha
// channel (the usual kind) keeps alpha at 0xFF. One with an alpha channel (a picture with
// partly transparent pixels) keeps each pixel's colour premultiplied by its alpha: a word
// holds alpha a and the channels Scale(c, a), so a clear pixel is 0 and the words are the
// ones the Qt platform paints as they stand. Canvases lay such a bitmap over what lies
// beneath (Canvas.h).
//
// A monochrome bitmap holds black and white only: a pixel reads as white when its stored
// colour is exactly white and as black otherwise, and SetPixel stores white for white and
// black for any other colour. Masks use white for "transparent". When a monochrome bitmap
// is drawn onto a colour surface its black pixels take the canvas's text colour and its
// white pixels the canvas's background colour (Canvas.h).
//
// Coordinates are pixels from the top-left corner; Pixel and SetPixel outside the bitmap
// answer black and do nothing. A new bitmap is black (and opaque).

#include "platform/Color.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class TBitmap {
public:
  // Negative sizes count as 0.
  TBitmap(int width, int height, bool monochrome = false);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Monochrome() const { return FMonochrome; }
  bool IsEmpty() const { return FWidth == 0 || FHeight == 0; }
  bool HasAlpha() const { return FAlpha; }
  // Declares whether the words carry alpha. Turning it on keeps the words, which must then be
  // premultiplied; turning it off makes every pixel opaque in the colour it showed over black.
  // A monochrome bitmap never carries alpha.
  void SetAlphaChannel(bool alpha);

  // The colour of a pixel; with an alpha channel, the colour it shows over black.
  TColor Pixel(int x, int y) const;
  // 255 for every pixel of a bitmap without an alpha channel; 0 outside the bitmap.
  std::uint8_t Alpha(int x, int y) const;
  // Stores an opaque pixel. System colours must be resolved by the caller.
  void SetPixel(int x, int y, TColor color);
  // Stores color seen through alpha; a bitmap without an alpha channel stores it opaque.
  void SetPixelAlpha(int x, int y, TColor color, std::uint8_t alpha);
  void Fill(TColor color);
  // Makes the bitmap a black colour bitmap of the given size without an alpha channel, in the
  // memory it has when that is enough.
  void Reset(int width, int height);

  // Direct access to row y (0 <= y < Height()), Width() words as described above.
  std::uint32_t* ScanLine(int y) { return FPixels.data() + std::size_t(y) * std::size_t(FWidth); }
  const std::uint32_t* ScanLine(int y) const {
    return FPixels.data() + std::size_t(y) * std::size_t(FWidth);
  }

  // Conversions between a stored word and a plain colour (low 24 bits of a TColor).
  static constexpr std::uint32_t ToWord(TColor color) {
    return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
  }
  static constexpr TColor FromWord(std::uint32_t word) {
    return (word >> 16 & 0xFF) | (word & 0xFF00) | (word & 0xFF) << 16;
  }
  // value x alpha / 255 for two bytes, computed as Qt's raster engine does, so that both
  // platforms blend to the same pixels: the rounded quotient, or one less in a few cases.
  static constexpr std::uint32_t Scale(std::uint32_t value, std::uint32_t alpha) {
    const std::uint32_t product = value * alpha;
    return (product + (product >> 8) + 0x80) >> 8;
  }
  // The premultiplied word of a colour seen through alpha.
  static constexpr std::uint32_t PremultipliedWord(TColor color, std::uint8_t alpha) {
    return std::uint32_t(alpha) << 24 | Scale(color & 0xFF, alpha) << 16 |
           Scale(color >> 8 & 0xFF, alpha) << 8 | Scale(color >> 16 & 0xFF, alpha);
  }
  // A premultiplied word laid over an opaque one: each channel becomes s + Scale(d, 255 - a).
  // The one blend both platforms compute.
  static constexpr std::uint32_t Over(std::uint32_t source, std::uint32_t dest) {
    const std::uint32_t rest = 255 - (source >> 24);
    std::uint32_t word = 0xFF000000u;
    for (const int shift : {0, 8, 16})
      word |= std::min<std::uint32_t>((source >> shift & 0xFF) + Scale(dest >> shift & 0xFF, rest), 255)
              << shift;
    return word;
  }

  friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
  int FWidth;
  int FHeight;
  bool FMonochrome;
  bool FAlpha = false;
  std::vector<std::uint32_t> FPixels;
};
