// Text on the headless canvas: one box per character at the baseline.

#include "Pixels.h"

#include "platform/headless/HeadlessGraphics.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::string>;

// 6 points is 8 pixels: Ascent 6, Descent 2, advance 4.
class TextTest : public testing::Test {
protected:
  THeadlessGraphics Graphics;
  TBitmap Surface = WhiteBitmap(14, 10);
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);
  void SetUp() override { Canvas->SetFont({.Name = "Arial", .Size = 6, .Color = clRed}); }
  Rows All(TColor ink) const { return Picture(Surface, {0, 0, 14, 10}, ink); }
};

}  // namespace

TEST_F(TextTest, TransparentTextIsOneBoxPerCharacterAboveTheBaseline) {
  EXPECT_EQ(Canvas->TextColor(), clRed);
  EXPECT_EQ(Canvas->TextWidth(U"A b"), 12);
  Canvas->SetBackgroundMode(bmTransparent);
  Canvas->TextOut(1, 7, U"A b");
  EXPECT_EQ(All(clRed), (Rows{"..............",
                              ".###.....###..",
                              ".###.....###..",
                              ".###.....###..",
                              ".###.....###..",
                              ".###.....###..",
                              ".###.....###..",
                              "..............",
                              "..............",
                              ".............."}));
}

TEST_F(TextTest, OpaqueSelectionFillsTheWholeCell) {
  // Selected text: background in the text colour, text in the page background colour.
  Canvas->SetBackgroundMode(bmOpaque);
  Canvas->SetBackColor(clRed);
  Canvas->SetTextColor(clWhite | PaletteRelative);
  Canvas->TextOut(2, 7, U"ab");
  EXPECT_EQ(All(clRed), (Rows{"..............",
                              ".....#...#....",
                              ".....#...#....",
                              ".....#...#....",
                              ".....#...#....",
                              ".....#...#....",
                              ".....#...#....",
                              "..########....",
                              "..########....",
                              ".............."}));
}

TEST_F(TextTest, ClippedTextAndDecorations) {
  Canvas->SetFont({.Name = "Courier New", .Size = 6, .Style = fsUnderline, .Color = clRed});
  Canvas->SetBackgroundMode(bmTransparent);
  Canvas->TextOutClipped({0, 3, 6, 9}, 1, 7, U"xy");
  EXPECT_EQ(All(clRed), (Rows{"..............",
                              "..............",
                              "..............",
                              ".###.#........",
                              ".###.#........",
                              ".###.#........",
                              ".###.#........",
                              "..............",
                              ".#####........",
                              ".............."}));
}
