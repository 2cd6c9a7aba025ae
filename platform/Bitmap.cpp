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

std::uint8_t TBitmap::Alpha(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
  return FAlpha ? std::uint8_t(ScanLine(y)[x] >> 24) : 255;
}

void TBitmap::SetAlphaChannel(bool alpha) {
  if (FMonochrome || alpha == FAlpha) return;
  FAlpha = alpha;
  if (!alpha)
    for (std::uint32_t& word : FPixels) word |= 0xFF000000u;
}

void TBitmap::SetPixelAlpha(int x, int y, TColor color, std::uint8_t alpha) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  ScanLine(y)[x] = FAlpha ? PremultipliedWord(color & 0xFFFFFF, alpha) : ToWord(color & 0xFFFFFF);
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
  FAlpha = false;
  FPixels.assign(std::size_t(FWidth) * std::size_t(FHeight), ToWord(clBlack));
}

void TBitmap::Fill(TColor color) {
  color &= 0xFFFFFF;
  if (FMonochrome && color != clWhite) color = clBlack;
  std::fill(FPixels.begin(), FPixels.end(), ToWord(color));
}
