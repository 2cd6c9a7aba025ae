#include "platform/Region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

using Wide = __int128;

// Input coordinates are first held to +-2^30 so that the exact arithmetic below cannot
// overflow; the result is then cut to +-RegionLimit.
constexpr int InputLimit = 1 << 30;
constexpr int Low = -TRegion::RegionLimit;
constexpr int High = TRegion::RegionLimit + 1;  // one past the last pixel

int HoldInput(int v) { return std::clamp(v, -InputLimit, InputLimit); }

Wide FloorDiv(Wide a, Wide b) {  // b > 0
  Wide q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}
Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }  // b > 0

int Cut(Wide v) { return int(std::clamp<Wide>(v, Low, High)); }

void AddSpan(std::vector<TRegion::TSpan>& spans, Wide left, Wide right) {
  const int l = Cut(left);
  const int r = Cut(right);
  if (l < r) spans.push_back({l, r});
}

std::vector<TRegion::TSpan> SubtractSpans(const std::vector<TRegion::TSpan>& from,
                                          const std::vector<TRegion::TSpan>& cut) {
  std::vector<TRegion::TSpan> result;
  std::size_t j = 0;
  for (const TRegion::TSpan& span : from) {
    int left = span.Left;
    while (j < cut.size() && cut[j].Right <= left) ++j;
    for (std::size_t k = j; k < cut.size() && cut[k].Left < span.Right; ++k) {
      if (cut[k].Left > left) result.push_back({left, cut[k].Left});
      left = std::max(left, cut[k].Right);
    }
    if (left < span.Right) result.push_back({left, span.Right});
  }
  return result;
}

// The spans of the band that holds row y, or none.
const std::vector<TRegion::TSpan>* SpansAt(const std::vector<TRegion::TBand>& bands,
                                           std::size_t& index, int y) {
  while (index < bands.size() && bands[index].Bottom <= y) ++index;
  if (index < bands.size() && bands[index].Top <= y) return &bands[index].Spans;
  return nullptr;
}

}  // namespace

void TRegion::AppendBand(int top, int bottom, std::vector<TSpan>&& spans) {
  if (spans.empty() || top >= bottom) return;
  if (!FBands.empty() && FBands.back().Bottom == top && FBands.back().Spans == spans) {
    FBands.back().Bottom = bottom;
    return;
  }
  FBands.push_back({top, bottom, std::move(spans)});
}

TRegion TRegion::FromRows(int firstRow, std::vector<std::vector<TSpan>>&& rows) {
  TRegion region;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int y = firstRow + int(i);
    region.AppendBand(y, y + 1, std::move(rows[i]));
  }
  return region;
}

TRegion TRegion::Rectangle(const TRect& rect) {
  TRegion region;
  std::vector<TSpan> spans;
  AddSpan(spans, rect.Left, rect.Right);
  region.AppendBand(Cut(rect.Top), Cut(rect.Bottom), std::move(spans));
  return region;
}

TRegion TRegion::Ellipse(const TRect& bounds) {
  const Wide left = HoldInput(bounds.Left), right = HoldInput(bounds.Right);
  const Wide top = HoldInput(bounds.Top), bottom = HoldInput(bounds.Bottom);
  const Wide w = right - left, h = bottom - top;
  if (w <= 0 || h <= 0) return {};
  // Pixel (x, y) is inside when (2x+1-(left+right))^2 h^2 + (2y+1-(top+bottom))^2 w^2 <= w^2 h^2,
  // its centre tested against the ellipse, in exact integers.
  const int firstRow = Cut(top), lastRow = Cut(bottom);
  std::vector<std::vector<TSpan>> rows(std::size_t(lastRow - firstRow));
  for (int y = firstRow; y < lastRow; ++y) {
    const Wide dy = 2 * Wide(y) + 1 - (top + bottom);
    const Wide room = w * w * (h * h - dy * dy);  // k^2 h^2 may not exceed this
    if (room < 0) continue;
    Wide k = Wide(std::sqrt(static_cast<long double>(room)) / static_cast<long double>(h));
    while (k > 0 && k * k * h * h > room) --k;
    while ((k + 1) * (k + 1) * h * h <= room) ++k;
    const Wide centre = left + right - 1;  // 2x must lie within centre - k .. centre + k
    AddSpan(rows[std::size_t(y - firstRow)], CeilDiv(centre - k, 2), FloorDiv(centre + k, 2) + 1);
  }
  return FromRows(firstRow, std::move(rows));
}

TRegion TRegion::Polygon(std::span<const TPoint> points) {
  struct TEdge {
    Wide X1, Y1, X2, Y2;
    int Dir;
  };
  std::vector<TEdge> edges;
  Wide minY = 0, maxY = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint& a = points[i];
    const TPoint& b = points[(i + 1) % points.size()];
    const Wide ay = HoldInput(a.Y), by = HoldInput(b.Y);
    if (ay == by) continue;
    const Wide ax = HoldInput(a.X), bx = HoldInput(b.X);
    edges.push_back(ay < by ? TEdge{ax, ay, bx, by, 1} : TEdge{bx, by, ax, ay, -1});
    if (edges.size() == 1) minY = edges[0].Y1, maxY = edges[0].Y2;
    minY = std::min(minY, edges.back().Y1);
    maxY = std::max(maxY, edges.back().Y2);
  }
  if (edges.empty()) return {};
  std::sort(edges.begin(), edges.end(), [](const TEdge& a, const TEdge& b) { return a.Y1 < b.Y1; });

  const int firstRow = Cut(minY), lastRow = Cut(maxY);
  std::vector<std::vector<TSpan>> rows(std::size_t(std::max(lastRow - firstRow, 0)));
  std::vector<const TEdge*> active;
  std::size_t next = 0;
  struct TCrossing {
    Wide Column;  // first pixel whose centre lies right of (or on) the crossing
    int Dir;
  };
  std::vector<TCrossing> crossings;
  for (int y = firstRow; y < lastRow; ++y) {
    // An edge from Y1 to Y2 crosses the centres of rows Y1 .. Y2 - 1.
    while (next < edges.size() && edges[next].Y1 <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const TEdge* e) { return e->Y2 <= y; });
    crossings.clear();
    for (const TEdge* e : active) {
      // The crossing at y + 0.5 is n / d; the first pixel centre at or beyond it is
      // ceil((2n - d) / 2d).
      const Wide d = 2 * (e->Y2 - e->Y1);
      const Wide n = 2 * e->X1 * (e->Y2 - e->Y1) + (2 * Wide(y) + 1 - 2 * e->Y1) * (e->X2 - e->X1);
      crossings.push_back({CeilDiv(2 * n - d, 2 * d), e->Dir});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const TCrossing& a, const TCrossing& b) { return a.Column < b.Column; });
    int winding = 0;
    Wide start = 0;
    for (const TCrossing& c : crossings) {
      const int before = winding;
      winding += c.Dir;
      if (before == 0 && winding != 0) start = c.Column;
      if (before != 0 && winding == 0) AddSpan(rows[std::size_t(y - firstRow)], start, c.Column);
    }
  }
  return FromRows(firstRow, std::move(rows));
}

bool TRegion::Contains(int x, int y) const {
  const auto band = std::upper_bound(FBands.begin(), FBands.end(), y,
                                     [](int row, const TBand& b) { return row < b.Top; });
  if (band == FBands.begin()) return false;
  const TBand& b = *std::prev(band);
  if (y >= b.Bottom) return false;
  const auto span = std::upper_bound(b.Spans.begin(), b.Spans.end(), x,
                                     [](int column, const TSpan& s) { return column < s.Left; });
  return span != b.Spans.begin() && x < std::prev(span)->Right;
}

TRect TRegion::Bounds() const {
  if (FBands.empty()) return {};
  TRect bounds{FBands.front().Spans.front().Left, FBands.front().Top,
               FBands.front().Spans.back().Right, FBands.back().Bottom};
  for (const TBand& band : FBands) {
    bounds.Left = std::min(bounds.Left, band.Spans.front().Left);
    bounds.Right = std::max(bounds.Right, band.Spans.back().Right);
  }
  return bounds;
}

void TRegion::Subtract(const TRegion& other) {
  if (FBands.empty() || other.FBands.empty()) return;
  std::vector<int> edges;
  for (const std::vector<TBand>* list : {&std::as_const(FBands), &other.FBands})
    for (const TBand& band : *list) {
      edges.push_back(band.Top);
      edges.push_back(band.Bottom);
    }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  TRegion result;
  std::size_t mine = 0, theirs = 0;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const std::vector<TSpan>* from = SpansAt(FBands, mine, edges[i]);
    if (!from) continue;
    const std::vector<TSpan>* cut = SpansAt(other.FBands, theirs, edges[i]);
    result.AppendBand(edges[i], edges[i + 1], cut ? SubtractSpans(*from, *cut) : std::vector<TSpan>(*from));
  }
  FBands = std::move(result.FBands);
}
