#pragma once
// Points and rectangles in device pixels.
//
// x grows to the right and y downward. A rectangle is half-open: it covers the pixels
// Left <= x < Right and Top <= y < Bottom, so its width is Right - Left and a rectangle
// whose Right <= Left or Bottom <= Top is empty.

#include <algorithm>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  // The common part of two rectangles; empty (possibly with Right < Left) when they do not meet.
  TRect Intersect(const TRect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};
