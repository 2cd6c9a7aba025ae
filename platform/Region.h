#pragma once
// Regions: areas made of rectangles, ellipses and polygons, as canvases fill shapes with them
// and tables paint the spacing between cells. Image-map areas test single points by the same
// rules without making a region (MapItem.h).
//
// A region is a set of whole pixels, stored as horizontal bands of equal rows, each band a
// sorted list of disjoint spans. A pixel (x, y) belongs to a shape when its centre
// (x + 0.5, y + 0.5) lies inside the shape:
// - a rectangle covers Left <= x < Right, Top <= y < Bottom;
// - an ellipse is the one inscribed in its half-open bounding rectangle, so it never covers a
//   pixel outside that rectangle;
// - a polygon is closed from its last point back to the first and filled with the winding
//   rule (a pixel is inside when the edges wind around its centre a non-zero number of times).
// Shapes are cut to coordinates within +-RegionLimit, which keeps the memory a region can take
// bounded whatever numbers a document gives.
//
// A value type: copy it, keep it, no platform resource behind it.

#include "platform/Geometry.h"

#include <span>
#include <vector>

class TRegion {
public:
  static constexpr int RegionLimit = 32767;

  struct TSpan {
    int Left;   // first pixel
    int Right;  // one past the last pixel
    friend bool operator==(const TSpan&, const TSpan&) = default;
  };
  struct TBand {
    int Top;     // first row
    int Bottom;  // one past the last row
    std::vector<TSpan> Spans;
  };

  TRegion() = default;  // empty
  static TRegion Rectangle(const TRect& rect);
  static TRegion Ellipse(const TRect& bounds);
  static TRegion Polygon(std::span<const TPoint> points);

  bool IsEmpty() const { return FBands.empty(); }
  bool Contains(int x, int y) const;
  bool Contains(const TPoint& point) const { return Contains(point.X, point.Y); }
  // The smallest rectangle around the region; empty for an empty region.
  TRect Bounds() const;

  // Removes every pixel of the other region from this one.
  void Subtract(const TRegion& other);

  // Bands ordered top to bottom, none empty, no two touching bands with equal spans.
  const std::vector<TBand>& Bands() const { return FBands; }

private:
  // Builds the region from one span list per row, rows first..first + rows.size() - 1.
  static TRegion FromRows(int firstRow, std::vector<std::vector<TSpan>>&& rows);
  void AppendBand(int top, int bottom, std::vector<TSpan>&& spans);

  std::vector<TBand> FBands;
};
