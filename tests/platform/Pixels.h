#pragma once
// Helpers for tests that look at pixels.

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

#include <string>
#include <vector>

// The rows of a part of a bitmap as text: '#' for the ink colour, '.' for white, '?' else.
inline std::vector<std::string> Picture(const TBitmap& bitmap, const TRect& part, TColor ink) {
  std::vector<std::string> rows;
  for (int y = part.Top; y < part.Bottom; ++y) {
    std::string row;
    for (int x = part.Left; x < part.Right; ++x) {
      const TColor pixel = bitmap.Pixel(x, y);
      row += pixel == ink ? '#' : pixel == clWhite ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

inline int CountOf(const TBitmap& bitmap, TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == color;
  return count;
}

inline TBitmap WhiteBitmap(int width, int height) {
  TBitmap bitmap(width, height);
  bitmap.Fill(clWhite);
  return bitmap;
}
