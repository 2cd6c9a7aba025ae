// Image map areas: shapes, coordinates, and which area a point finds.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "html/images/MapItem.h"
#include "platform/Region.h"

namespace {

TAttributeList Area(std::initializer_list<std::pair<TSymbol, std::u32string>> values) {
  TAttributeList list;
  for (const auto& [symbol, text] : values) list.Emplace(symbol, 0, text);
  return list;
}

std::u32string HitUrl(const TMapItem& map, int x, int y) {
  const auto link = map.HitArea(x, y);
  return link ? link->Url : U"-";
}

}  // namespace

TEST(MapItemTest, RectanglesIncludeBothCorners) {
  TMapItem map;
  map.AddArea(Area({{symShape, U"RECT"}, {symCoords, U"10,20,30,40"}, {symHref, U"r.htm"}, {symTarget, U"t"}}));
  EXPECT_EQ(HitUrl(map, 10, 20), U"r.htm");
  EXPECT_EQ(HitUrl(map, 30, 40), U"r.htm");
  EXPECT_EQ(HitUrl(map, 31, 40), U"-");
  EXPECT_EQ(HitUrl(map, 9, 25), U"-");
  EXPECT_EQ(map.HitArea(15, 25)->Target, U"t");
  EXPECT_EQ(map.Areas[0].Shape, TMapItem::shRect);
}

TEST(MapItemTest, CirclesAndPolygons) {
  TMapItem map;
  map.AddArea(Area({{symShape, U"circle"}, {symCoords, U"50, 50, 10"}, {symHref, U"c"}}));
  map.AddArea(Area({{symShape, U"Polygon"}, {symCoords, U"0,0,20,0,0,20"}, {symHref, U"p"}}));
  EXPECT_EQ(map.Areas[0].Shape, TMapItem::shCircle);
  EXPECT_EQ(map.Areas[1].Shape, TMapItem::shPoly);
  EXPECT_EQ(HitUrl(map, 50, 50), U"c");
  EXPECT_EQ(HitUrl(map, 59, 50), U"c");
  EXPECT_EQ(HitUrl(map, 58, 58), U"-");
  EXPECT_EQ(HitUrl(map, 2, 2), U"p");
  EXPECT_EQ(HitUrl(map, 15, 15), U"-");
}

TEST(MapItemTest, ShapesHoldThePixelsTheirRegionsHold) {
  // Point by point against regions of the same shapes: a star that crosses itself, a bowtie,
  // a notched square, a sliver with a repeated point, a one-pixel-wide rectangle, circles.
  std::vector<std::pair<std::u32string, std::vector<TPoint>>> polygons = {
      {U"10,0,16,20,0,7,20,7,4,20", {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}}},
      {U"0,0,20,20,20,0,0,20", {{0, 0}, {20, 20}, {20, 0}, {0, 20}}},
      {U"0,0,20,0,20,20,10,5,0,20", {{0, 0}, {20, 0}, {20, 20}, {10, 5}, {0, 20}}},
      {U"0,3,21,4,2,5,2,5", {{0, 3}, {21, 4}, {2, 5}, {2, 5}}}};
  std::vector<std::tuple<std::u32string, std::u32string, TRegion>> cases = {
      {U"rect", U"3,4,3,9", TRegion::Rectangle({3, 4, 4, 10})}};
  for (const auto& [coords, points] : polygons) cases.emplace_back(U"poly", coords, TRegion::Polygon(points));
  for (int r = 0; r <= 7; ++r)
    cases.emplace_back(U"circle", U"10,9," + std::u32string(1, char32_t(U'0' + r)),
                       TRegion::Ellipse({10 - r, 9 - r, 11 + r, 10 + r}));
  for (const auto& [shape, coords, region] : cases) {
    TMapItem map;
    map.AddArea(Area({{symShape, shape}, {symCoords, coords}, {symHref, U"in"}}));
    for (int y = -2; y < 24; ++y)
      for (int x = -2; x < 24; ++x)
        ASSERT_EQ(HitUrl(map, x, y), region.Contains(x, y) ? U"in" : U"-")
            << std::string(coords.begin(), coords.end()) << " at " << x << "," << y;
  }
}

TEST(MapItemTest, TooFewNumbersDropTheArea) {
  TMapItem map;
  map.AddArea(Area({{symCoords, U"1,2,3"}, {symHref, U"a"}}));
  map.AddArea(Area({{symShape, U"circ"}, {symCoords, U"1,2"}, {symHref, U"b"}}));
  map.AddArea(Area({{symShape, U"poly"}, {symCoords, U"1,2,3,4,5"}, {symHref, U"c"}}));
  map.AddArea(Area({{symHref, U"d"}}));
  EXPECT_TRUE(map.Areas.empty());
}

TEST(MapItemTest, CoordinatesEndAtTheFirstEmptyPieceAndUnreadableOnesAreZero) {
  TMapItem map;
  // "x" reads as 0; the empty piece ends the list before the fourth number.
  map.AddArea(Area({{symCoords, U"x,0,5,,9"}, {symHref, U"a"}}));
  EXPECT_TRUE(map.Areas.empty());
  map.AddArea(Area({{symCoords, U"x , 0 ,5 ,5 "}, {symHref, U"b"}}));
  EXPECT_EQ(HitUrl(map, 0, 0), U"b");
  EXPECT_EQ(HitUrl(map, 5, 5), U"b");
}

TEST(MapItemTest, NohrefHidesLaterAreasAndTheFirstAreaWins) {
  TMapItem map;
  map.AddArea(Area({{symHref, U"first"}, {symCoords, U"0,0,10,10"}}));
  map.AddArea(Area({{symHref, U"hidden"}, {symNohref, U""}, {symCoords, U"20,0,30,10"}}));
  map.AddArea(Area({{symHref, U"second"}, {symCoords, U"0,0,40,10"}}));
  EXPECT_EQ(HitUrl(map, 5, 5), U"first");
  EXPECT_EQ(HitUrl(map, 25, 5), U"-");
  EXPECT_EQ(HitUrl(map, 35, 5), U"second");
  EXPECT_EQ(map.Areas[1].Href, U"");
}

TEST(MapItemTest, HostileNumbersStayBounded) {
  TMapItem map;
  std::u32string many;
  for (int i = 0; i < 1000; ++i) many += U"99999999999,-99999999999,";
  map.AddArea(Area({{symShape, U"poly"}, {symCoords, many}, {symHref, U"h"}}));
  map.AddArea(Area({{symShape, U"circle"}, {symCoords, U"2147483647,-2147483648,2147483647"}, {symHref, U"c"}}));
  ASSERT_EQ(map.Areas.size(), 2u);
  EXPECT_EQ(HitUrl(map, 100, 100), U"-");
}

TEST(MapItemTest, NamesCompareInUpperCase) {
  EXPECT_EQ(MapNameKey(U"Nav-bar_\u00e9"), U"NAV-BAR_\u00c9");
}
