#include "platform/Bitmap.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height, bool monochrome)
    : FWidth(std::max(width, 0)),
      FHeight(std::max(height, 0)),
      FMonochrome(monochrome),
      FPixels(std::size_t(FWidth) * std::size_t(FHeight), ToWord(clBlack)) {}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clBlack;
  const TColor color = FromWord(ScanLine(y)[x]);
  if (FMonochrome) return color == clWhite ? clWhite : clBlack;
  return color;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  color &= 0xFFFFFF;
  if (FMonochrome && color != clWhite) color = clBlack;
  ScanLine(y)[x] = ToWord(color);
}

void TBitmap::Reset(int width, int height) {
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  FMonochrome = false;
  FPixels.assign(std::size_t(FWidth) * std::size_t(FHeight), ToWord(clBlack));
}

void TBitmap::Fill(TColor color) {
  color &= 0xFFFFFF;
  if (FMonochrome && color != clWhite) color = clBlack;
  std::fill(FPixels.begin(), FPixels.end(), ToWord(color));
}
