// Regions as image maps and table spacing use them: point tests, subtraction, filling.

#include "Pixels.h"

#include "platform/Region.h"
#include "platform/headless/HeadlessGraphics.h"

#include <gtest/gtest.h>

TEST(Region, ImageMapShapesAnswerPointTests) {
  // A rectangle area (10, 10, 20, 30) covers its right and bottom numbers.
  const TRegion rect = TRegion::Rectangle({10, 10, 21, 31});
  EXPECT_TRUE(rect.Contains(10, 10));
  EXPECT_TRUE(rect.Contains(20, 30));
  EXPECT_FALSE(rect.Contains(21, 30));
  EXPECT_FALSE(rect.Contains(20, 31));
  EXPECT_FALSE(rect.Contains(9, 20));

  // A circle area x 50, y 50, r 10.
  const TRegion circle = TRegion::Ellipse({40, 40, 61, 61});
  EXPECT_TRUE(circle.Contains(50, 50));
  for (const TPoint p : {TPoint{40, 50}, TPoint{60, 50}, TPoint{50, 40}, TPoint{50, 60}})
    EXPECT_TRUE(circle.Contains(p)) << p.X << "," << p.Y;
  EXPECT_FALSE(circle.Contains(61, 50));
  EXPECT_FALSE(circle.Contains(42, 42));  // the corner of the box
  EXPECT_EQ(circle.Bounds(), (TRect{40, 40, 61, 61}));

  // A five-pointed star drawn in one stroke: its centre is wound twice, so it is inside.
  const std::vector<TPoint> star{{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
  const TRegion pentagram = TRegion::Polygon(star);
  EXPECT_TRUE(pentagram.Contains(50, 50));
  EXPECT_TRUE(pentagram.Contains(50, 10));
  EXPECT_FALSE(pentagram.Contains(50, 95));
  EXPECT_FALSE(pentagram.Contains(5, 80));
}

TEST(Region, DegenerateShapesAreEmpty) {
  const std::vector<TPoint> line{{0, 0}, {10, 10}};
  EXPECT_TRUE(TRegion::Polygon(line).IsEmpty());
  EXPECT_TRUE(TRegion::Ellipse({5, 5, 5, 20}).IsEmpty());
}

TEST(Region, HugeNumbersStayBounded) {
  const TRegion circle = TRegion::Ellipse({-2000000000, -2000000000, 2000000000, 2000000000});
  EXPECT_TRUE(circle.Contains(0, 0));
  EXPECT_TRUE(circle.Contains(TRegion::RegionLimit, TRegion::RegionLimit));
  EXPECT_LE(circle.Bands().size(), 1u);
  const std::vector<TPoint> huge{{-2147483647, 0}, {2147483647, 5}, {0, 2147483647}};
  EXPECT_TRUE(TRegion::Polygon(huge).Contains(0, 100));
}

TEST(Region, SubtractingCellsLeavesTheSpacing) {
  // A 2 x 1 table body with spacing 2 around two cells.
  TRegion spacing = TRegion::Rectangle({0, 0, 14, 8});
  spacing.Subtract(TRegion::Rectangle({2, 2, 6, 6}));
  spacing.Subtract(TRegion::Rectangle({8, 2, 12, 6}));
  EXPECT_FALSE(spacing.Contains(3, 3));
  EXPECT_FALSE(spacing.Contains(11, 5));
  EXPECT_TRUE(spacing.Contains(6, 3));
  EXPECT_TRUE(spacing.Contains(12, 5));
  EXPECT_TRUE(spacing.Contains(5, 6));
  ASSERT_EQ(spacing.Bands().size(), 3u);  // rows above, beside and below the cells
  EXPECT_EQ(spacing.Bands()[1].Spans,
            (std::vector<TRegion::TSpan>{{0, 2}, {6, 8}, {12, 14}}));

  spacing.Subtract(TRegion::Rectangle({-5, -5, 50, 50}));
  EXPECT_TRUE(spacing.IsEmpty());
}

TEST(Region, FillPaintsItsPixelsWithTheBrushAtTheOrigin) {
  THeadlessGraphics graphics;
  TBitmap surface = WhiteBitmap(6, 4);
  auto canvas = graphics.CanvasFor(surface);
  TRegion ring = TRegion::Rectangle({10, 10, 15, 13});
  ring.Subtract(TRegion::Rectangle({11, 11, 14, 12}));
  canvas->SetOrigin({10, 10});
  canvas->SetBrush(clMaroon);
  canvas->FillRegion(ring);
  EXPECT_EQ(Picture(surface, {0, 0, 6, 4}, clMaroon),
            (std::vector<std::string>{"#####.", "#...#.", "#####.", "......"}));
}
