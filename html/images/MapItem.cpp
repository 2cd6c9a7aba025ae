#include "html/images/MapItem.h"

#include <algorithm>
#include <climits>

#include "html/support/LetterCase.h"
#include "platform/Geometry.h"

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

// Corners one past a number, kept within the int range.
int After(int value) { return value == INT_MAX ? value : value + 1; }

}  // namespace

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
  switch (shape) {
    case shRect:
      if (coords.size() < 4) return;
      area.Region = TRegion::Rectangle({coords[0], coords[1], After(coords[2]), After(coords[3])});
      break;
    case shCircle: {
      if (coords.size() < 3) return;
      const long long x = coords[0], y = coords[1], r = coords[2];
      const auto clamp = [](long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
      area.Region = TRegion::Ellipse({clamp(x - r), clamp(y - r), clamp(x + r + 1), clamp(y + r + 1)});
      break;
    }
    case shPoly: {
      if (coords.size() < 6) return;
      std::vector<TPoint> points;
      for (std::size_t i = 0; i + 1 < coords.size(); i += 2) points.push_back({coords[i], coords[i + 1]});
      area.Region = TRegion::Polygon(points);
      break;
    }
  }
  Areas.push_back(std::move(area));
}

std::optional<TUrlTarget> TMapItem::HitArea(int x, int y) const {
  for (const TArea& area : Areas) {
    if (!area.Region.Contains(x, y)) continue;
    if (area.Href.empty()) return std::nullopt;
    TUrlTarget link;
    link.Url = area.Href;
    link.Target = area.Target;
    return link;
  }
  return std::nullopt;
}
