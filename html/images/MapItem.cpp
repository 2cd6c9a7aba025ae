#include "html/images/MapItem.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "html/support/LetterCase.h"

namespace {

constexpr std::size_t ShapeLength = 4;
constexpr std::size_t PieceLength = 20;
constexpr std::size_t MaxCoords = 201;

using TShape = TMapItem::TShape;
using enum TMapItem::TShape;

TShape ShapeOf(std::u32string_view value) {
  const std::u32string shape = LowerAscii(value.substr(0, ShapeLength));
  return shape == U"circ" ? shCircle : shape == U"poly" ? shPoly : shRect;
}

// The integer a piece spells (a sign, then digits), else 0; clamped to the int range.
int PieceNumber(std::u32string_view piece) {
  std::size_t first = 0;
  while (first < piece.size() && piece[first] <= U' ') ++first;
  piece.remove_prefix(first);
  bool negative = false;
  if (!piece.empty() && (piece[0] == U'-' || piece[0] == U'+')) {
    negative = piece[0] == U'-';
    piece.remove_prefix(1);
  }
  if (piece.empty()) return 0;
  long long value = 0;
  for (const char32_t ch : piece) {
    if (ch < U'0' || ch > U'9') return 0;
    value = std::min<long long>(value * 10 + (ch - U'0'), INT_MAX);
  }
  return int(negative ? -value : value);
}

std::vector<int> ReadCoords(std::u32string_view text) {
  std::vector<int> numbers;
  while (numbers.size() < MaxCoords) {
    const std::size_t comma = text.find(U',');
    std::u32string_view piece = text.substr(0, std::min(comma, text.size()));
    piece = piece.substr(0, PieceLength);
    while (!piece.empty() && piece.back() <= U' ') piece.remove_suffix(1);
    if (piece.empty()) break;
    numbers.push_back(PieceNumber(piece));
    if (comma == std::u32string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return numbers;
}

using Wide = __int128;  // room for products of any two coordinate differences

bool InRectangle(const std::vector<int>& c, int x, int y) {
  return c[0] <= x && x <= c[2] && c[1] <= y && y <= c[3];
}

// The pixel's centre against the circle of radius r about (cx, cy): 2 dx and 2 dy are whole,
// and (2 dx)^2 + (2 dy)^2 <= (2r + 1)^2 is the test of the inscribed ellipse.
bool InCircle(const std::vector<int>& c, int x, int y) {
  const Wide r = c[2];
  if (r < 0) return false;
  const Wide dx = 2 * (Wide(x) - c[0]), dy = 2 * (Wide(y) - c[1]);
  return dx * dx + dy * dy <= (2 * r + 1) * (2 * r + 1);
}

// The winding number of the edges round the pixel's centre (x + 0.5, y + 0.5). An edge from
// row y1 to row y2 (y1 < y2) crosses the centres of rows y1 .. y2 - 1; it counts when the first
// pixel centre at or right of its crossing is at or left of x.
bool InPolygon(const std::vector<int>& c, int x, int y) {
  const std::size_t points = c.size() / 2;
  int winding = 0;
  for (std::size_t i = 0; i < points; ++i) {
    const std::size_t j = (i + 1) % points;
    Wide x1 = c[2 * i], y1 = c[2 * i + 1], x2 = c[2 * j], y2 = c[2 * j + 1];
    int direction = 1;
    if (y1 == y2) continue;
    if (y1 > y2) {
      std::swap(x1, x2);
      std::swap(y1, y2);
      direction = -1;
    }
    if (y < y1 || y >= y2) continue;
    // The crossing at height y + 0.5 is n / d; the first pixel whose centre is at or beyond
    // it is ceil((2n - d) / 2d), and it is at or left of x when 2n - d <= 2d x.
    const Wide d = 2 * (y2 - y1);
    const Wide n = 2 * x1 * (y2 - y1) + (2 * Wide(y) + 1 - 2 * y1) * (x2 - x1);
    if (2 * n - d <= 2 * d * x) winding += direction;
  }
  return winding != 0;
}

}  // namespace

bool TMapItem::TArea::Contains(int x, int y) const {
  switch (Shape) {
    case shRect: return InRectangle(Coords, x, y);
    case shCircle: return InCircle(Coords, x, y);
    case shPoly: return InPolygon(Coords, x, y);
  }
  return false;
}

std::u32string MapNameKey(std::u32string_view name) { return UpperLatin1(name); }

void TMapItem::AddArea(const TAttributeList& attributes) {
  TArea area;
  TShape& shape = area.Shape;
  std::vector<int> coords;
  for (const auto& attribute : attributes) {
    switch (attribute->Symbol) {
      case symHref: area.Href = attribute->StrValue; break;
      case symShape: shape = ShapeOf(attribute->StrValue); break;
      case symCoords: coords = ReadCoords(attribute->StrValue); break;
      case symNohref: area.Href.clear(); break;
      case symTarget: area.Target = attribute->StrValue; break;
      default: break;
    }
  }
  constexpr std::size_t Needed[] = {4, 3, 6};  // by shape: rectangle, circle, polygon
  if (coords.size() < Needed[shape]) return;
  area.Coords = std::move(coords);
  Areas.push_back(std::move(area));
}

std::optional<TUrlTarget> TMapItem::HitArea(int x, int y) const {
  for (const TArea& area : Areas) {
    if (!area.Contains(x, y)) continue;
    if (area.Href.empty()) return std::nullopt;
    TUrlTarget link;
    link.Url = area.Href;
    link.Target = area.Target;
    return link;
  }
  return std::nullopt;
}
