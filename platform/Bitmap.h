#pragma once
// Bitmaps: rectangles of pixels the engine decodes pictures into, keeps masks in and paints
// off-screen pages on.
//
// A pixel is stored as one 32-bit word 0xFFRRGGBB (alpha always opaque), rows top to bottom,
// Width() words per row with no padding. Both platforms draw straight into this memory.
//
// A monochrome bitmap holds black and white only: a pixel reads as white when its stored
// colour is exactly white and as black otherwise, and SetPixel stores white for white and
// black for any other colour. Masks use white for "transparent". When a monochrome bitmap
// is drawn onto a colour surface its black pixels take the canvas's text colour and its
// white pixels the canvas's background colour (Canvas.h).
//
// Coordinates are pixels from the top-left corner; Pixel and SetPixel outside the bitmap
// answer black and do nothing. A new bitmap is black.

#include "platform/Color.h"

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

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);  // system colours must be resolved by the caller
  void Fill(TColor color);
  // Makes the bitmap a black colour bitmap of the given size, in the memory it has when that
  // is enough.
  void Reset(int width, int height);

  // Direct access to row y (0 <= y < Height()), Width() words of 0xFFRRGGBB.
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

  friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
  int FWidth;
  int FHeight;
  bool FMonochrome;
  std::vector<std::uint32_t> FPixels;
};
