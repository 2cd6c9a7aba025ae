// Scroll arithmetic at its edges: bars that show only because of each other, steps in tiny
// panels, positions cut when the ranges shrink, and the auto-scroll and reveal boundaries.
#include <gtest/gtest.h>

#include "html/viewer/ScrollGeometry.h"

namespace {

// A bordered host of 400 x 300 with bars 16 pixels thick; margins 10 and 5.
TScrollGeometry Geometry(int docWidth, int docHeight, TScrollStyle bars = ssBoth) {
  TScrollGeometry geometry;
  geometry.Bars = bars;
  geometry.BarBreadth = 16;
  geometry.SetDocumentWidth(docWidth);
  geometry.SetDocumentHeight(docHeight);
  return geometry;
}

}  // namespace

TEST(ScrollGeometryTest, EachBarCanBeNeededOnlyBecauseTheOtherShows) {
  // 290 high fits the panel without a horizontal bar (298) but not with one (282); 400 wide
  // (margins included) fits the host only without a vertical bar.
  TScrollGeometry both = Geometry(380, 290);
  const TBarArrangement arrangement = both.Arrange(400, 300);
  EXPECT_TRUE(arrangement.Vertical);
  EXPECT_TRUE(arrangement.Horizontal);
  EXPECT_EQ(arrangement.Panel, (TRect{1, 1, 383, 283}));
  EXPECT_EQ(arrangement.HorizontalBar, (TRect{1, 283, 384, 299}));
  EXPECT_EQ(arrangement.VerticalBar, (TRect{383, 1, 399, 283}));

  // Narrow enough for the vertical bar's room: neither shows.
  TScrollGeometry neither = Geometry(364, 290);
  EXPECT_FALSE(neither.Arrange(400, 300).Vertical);
  EXPECT_FALSE(neither.Arrange(400, 300).Horizontal);

  // Where no horizontal bar may show, the height alone decides: a document exactly as tall as
  // the bordered panel (298) gets the vertical bar, one pixel less does not.
  TScrollGeometry vertical = Geometry(380, 290, ssVertical);
  EXPECT_FALSE(vertical.Arrange(400, 300).Vertical);
  EXPECT_TRUE(Geometry(380, 298, ssVertical).Arrange(400, 300).Vertical);
  EXPECT_FALSE(Geometry(380, 297, ssVertical).Arrange(400, 300).Vertical);
}

TEST(ScrollGeometryTest, StepsAndPositionsStayInRange) {
  // A panel lower than the arrow step still pages forwards by at least one pixel.
  TScrollGeometry low = Geometry(100, 1000);
  low.Arrange(400, 12);
  EXPECT_EQ(low.VerticalLargeChange(), 1);
  EXPECT_EQ(low.VerticalKeyTarget(vkNext, 50), 51);
  EXPECT_EQ(low.VerticalKeyTarget(vkPrior, 0), 0);
  EXPECT_EQ(low.VerticalKeyTarget(vkEnd, 0), low.MaxVPos());
  EXPECT_EQ(low.VerticalKeyTarget(vkLeft, 0), std::nullopt);

  // Scrolled far right, the position follows the range when the document gets narrower.
  TScrollGeometry wide = Geometry(3500, 100);
  wide.Arrange(400, 300);
  EXPECT_FALSE(wide.SetHScrollPos(-5));
  EXPECT_TRUE(wide.SetHScrollPos(99999));
  EXPECT_EQ(wide.HScrollPos(), 3520 - 398);
  wide.SetDocumentWidth(500);
  wide.Arrange(400, 300);
  EXPECT_EQ(wide.HScrollPos(), 520 - 398);
}

TEST(ScrollGeometryTest, AutoScrollAndRevealBoundaries) {
  TScrollGeometry geometry = Geometry(100, 2000);
  geometry.Arrange(400, 300);
  ASSERT_EQ(geometry.PanelHeight(), 298);
  // Rows 1..298 are the panel's; row 0 is already above it.
  for (const int inside : {1, 298}) EXPECT_EQ(geometry.AutoScrollStep(inside), 0);
  EXPECT_EQ(geometry.AutoScrollStep(0), -16);
  EXPECT_EQ(geometry.AutoScrollStep(-15), -16);
  EXPECT_EQ(geometry.AutoScrollStep(-16), -128);
  EXPECT_EQ(geometry.AutoScrollStep(299), 16);
  EXPECT_EQ(geometry.AutoScrollStep(298 + 15), 16);
  EXPECT_EQ(geometry.AutoScrollStep(298 + 16), 128);

  // In view down to 20 pixels above the panel's bottom; past the end the top stops at the end.
  EXPECT_EQ(geometry.TopToReveal(100 + 278, 100), std::nullopt);
  EXPECT_EQ(geometry.TopToReveal(100 + 279, 100), 379 - 149);
  EXPECT_EQ(geometry.TopToReveal(99, 100), 0);
  EXPECT_EQ(geometry.TopToReveal(1990, 0), 2000 - 298);
}
