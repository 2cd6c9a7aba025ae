// Lines, rectangles, ellipses, polygons, focus rectangles, clip and origin on the headless
// canvas, pixel by pixel.

#include "Pixels.h"

#include "platform/headless/HeadlessGraphics.h"

#include <gtest/gtest.h>

namespace {

class ShapeTest : public testing::Test {
protected:
  THeadlessGraphics Graphics;
  TBitmap Surface = WhiteBitmap(12, 10);
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);
  std::vector<std::string> All(TColor ink) const { return Picture(Surface, {0, 0, 12, 10}, ink); }
};

using Rows = std::vector<std::string>;

}  // namespace

TEST_F(ShapeTest, LinesIncludeTheirFirstPointAndNotTheirLast) {
  Canvas->SetPen(clRed);
  Canvas->MoveTo(1, 1);
  Canvas->LineTo(5, 1);  // right
  Canvas->LineTo(5, 4);  // down
  Canvas->LineTo(1, 4);  // left
  Canvas->LineTo(1, 1);  // up, closing on the first corner
  Canvas->MoveTo(7, 0);
  Canvas->LineTo(10, 3);  // diagonal
  Canvas->MoveTo(0, 8);
  Canvas->LineTo(0, 8);  // nothing
  EXPECT_EQ(Canvas->PenPos(), (TPoint{0, 8}));
  EXPECT_EQ(All(clRed), (Rows{".......#....",
                              ".#####..#...",
                              ".#...#...#..",
                              ".#...#......",
                              ".#####......",
                              "............", "............", "............", "............",
                              "............"}));
}

TEST_F(ShapeTest, RectanglesFillWithTheBrushAndExcludeRightAndBottom) {
  Canvas->SetPen(clRed);
  Canvas->SetBrush(clBlue);
  Canvas->Rectangle({1, 1, 5, 5});
  Canvas->FillRect({7, 1, 9, 3});  // pen plays no part
  Canvas->SetClearBrush();
  Canvas->Rectangle({6, 5, 10, 9});
  Canvas->FillRect({0, 0, 12, 10});  // clear brush: nothing
  EXPECT_EQ(All(clRed), (Rows{"............",
                              ".####..??...",
                              ".#??#..??...",
                              ".#??#.......",
                              ".####.......",
                              "......####..",
                              "......#..#..",
                              "......#..#..",
                              "......####..",
                              "............"}));
  EXPECT_EQ(CountOf(Surface, clBlue), 4 + 4);
}

TEST_F(ShapeTest, EllipseStaysInsideItsBoundsWithPenOnTheRim) {
  Canvas->SetPen(clRed);
  Canvas->SetBrush(clBlue);
  Canvas->Ellipse({1, 1, 6, 6});  // a list bullet: (cx - 2, cy - 2) to (cx + 3, cy + 3)
  EXPECT_EQ(Picture(Surface, {0, 0, 7, 7}, clRed), (Rows{".......",
                                                        "..###..",
                                                        ".#???#.",
                                                        ".#???#.",
                                                        ".#???#.",
                                                        "..###..",
                                                        "......."}));
  EXPECT_EQ(CountOf(Surface, clBlue), 9);
}

TEST_F(ShapeTest, PolygonFillsByWindingAndOutlinesEveryEdge) {
  Canvas->SetClearPen();
  Canvas->SetBrush(clBlue);
  // A path that runs twice around the square 2..8: winding 2 inside, still filled.
  const std::vector<TPoint> twice{{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 2}, {8, 2}, {8, 8}, {2, 8}};
  Canvas->Polygon(twice);
  EXPECT_EQ(CountOf(Surface, clBlue), 36);

  Surface.Fill(clWhite);
  Canvas->SetPen(clRed);
  Canvas->SetClearBrush();
  const std::vector<TPoint> triangle{{0, 0}, {4, 0}, {0, 4}};
  Canvas->Polygon(triangle);
  EXPECT_EQ(Picture(Surface, {0, 0, 6, 6}, clRed), (Rows{"#####.",
                                                        "#..#..",
                                                        "#.#...",
                                                        "##....",
                                                        "#.....",
                                                        "......"}));
}

TEST_F(ShapeTest, FocusRectangleInvertsEveryOtherRimPixelAndUndoesItself) {
  Canvas->DrawFocusRect({1, 1, 6, 5});
  EXPECT_EQ(Picture(Surface, {0, 0, 7, 6}, clBlack), (Rows{".......",
                                                          ".#.#.#.",
                                                          ".......",
                                                          ".#...#.",
                                                          "..#.#..",
                                                          "......."}));
  Canvas->DrawFocusRect({1, 1, 6, 5});
  EXPECT_EQ(CountOf(Surface, clWhite), 120);
}

TEST_F(ShapeTest, ClipAndOriginCutAndMoveDrawing) {
  Canvas->SetBrush(clBtnFace);  // resolved when drawn
  Canvas->SetOrigin({100, 50});
  Canvas->SetClipRect({102, 51, 120, 53});
  EXPECT_EQ(Canvas->ClipRect(), (TRect{102, 51, 112, 53}));
  Canvas->FillRect({100, 50, 104, 60});
  EXPECT_EQ(Picture(Surface, {0, 0, 5, 4}, clSilver), (Rows{".....", "..##.", "..##.", "....."}));
  Canvas->ClearClip();
  EXPECT_EQ(Canvas->ClipRect(), (TRect{100, 50, 112, 60}));
}
