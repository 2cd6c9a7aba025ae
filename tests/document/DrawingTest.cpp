#include "DocumentFixture.h"

#include "html/document/HorzLine.h"
#include "html/document/ListItems.h"
#include "html/document/PreFormated.h"

namespace {

// Glyphs of the 12-point test font are boxes 7 pixels wide over rows baseline - 12 ..
// baseline - 1; the first line's baseline is at 12.
class DrawingTest : public DocumentTest {
 protected:
  void SetUp() override {
    Document.SetDefaults(Document.FontName, Document.PreFontName, 12, clBlack, clBlue, clWhite);
  }
  TColor At(int x, int y) const { return Surface.Pixel(x, y); }
  THorzLine& AddRule(std::initializer_list<std::pair<TSymbol, std::u32string>> items) {
    TAttributeList attributes;
    for (const auto& [symbol, text] : items) {
      std::int32_t number = 0;
      for (std::size_t i = 0; i < text.size() && text[i] >= U'0' && text[i] <= U'9'; ++i)
        number = number * 10 + std::int32_t(text[i] - U'0');
      attributes.Emplace(symbol, number, text);
    }
    auto rule = std::make_unique<THorzLine>(attributes);
    THorzLine& result = *rule;
    Document.AddSection(std::move(rule));
    return result;
  }
};

}  // namespace

TEST_F(DrawingTest, SelectionChangesColourAtItsFirstAndLastCharacter) {
  AddText(U"abcdef");
  Arrange(400);
  Document.SelectionStart = 2;
  Document.SelectionEnd = 4;
  RenderAll();
  // Unselected text: black glyphs, nothing below the baseline.
  EXPECT_EQ(At(8, 5), clBlack);
  EXPECT_EQ(At(15, 5), clWhite);
  EXPECT_EQ(At(15, 13), clWhite);
  // Selected "cd" (x 16 .. 31): black box over the whole text height, glyphs in the page colour.
  EXPECT_EQ(At(16, 0), clWhite);
  EXPECT_EQ(At(16, 13), clBlack);
  EXPECT_EQ(At(23, 5), clBlack);
  EXPECT_EQ(At(31, 15), clBlack);
  EXPECT_EQ(At(32, 13), clWhite);
  EXPECT_EQ(At(32, 5), clBlack);  // "e" is plain again
  EXPECT_EQ(At(16, 16), clWhite);
}

TEST_F(DrawingTest, SelectionSpansSections) {
  AddText(U"abc");
  TSection& second = AddText(U"def");
  Arrange(400);
  EXPECT_EQ(second.FirstPos, 3);
  Document.SelectionStart = 2;
  Document.SelectionEnd = 4;
  RenderAll();
  EXPECT_EQ(At(16, 13), clBlack);  // "c" on the first line
  EXPECT_EQ(At(24, 13), clWhite);
  EXPECT_EQ(At(0, 16 + 13), clBlack);  // "d" on the second
  EXPECT_EQ(At(8, 16 + 13), clWhite);
  EXPECT_EQ(second.Lines[0].DrawTop, 16);
}

TEST_F(DrawingTest, ScrolledTextMovesUp) {
  AddText(U"abc");
  AddText(U"def");
  Arrange(400);
  Document.SetScrollTop(16);
  RenderAll();
  EXPECT_EQ(At(0, 5), clBlack);  // the second line is at the top
  EXPECT_EQ(At(0, 20), clWhite);
}

TEST_F(DrawingTest, EtchedRuleOnAWhitePage) {
  AddRule({});
  Arrange(200);
  RenderAll();
  // Centred in its 20 pixels: rows 9 .. 11, from 10 to 190.
  EXPECT_EQ(At(10, 9), clGray);
  EXPECT_EQ(At(100, 9), clGray);
  EXPECT_EQ(At(10, 11), clGray);
  EXPECT_EQ(At(190, 9), clSilver);
  EXPECT_EQ(At(100, 11), clSilver);
  EXPECT_EQ(At(190, 11), clSilver);
  EXPECT_EQ(At(190, 12), clWhite);
  EXPECT_EQ(At(100, 10), clWhite);
  EXPECT_EQ(At(9, 9), clWhite);
  EXPECT_EQ(At(191, 9), clWhite);
  EXPECT_EQ(At(100, 8), clWhite);
}

TEST_F(DrawingTest, EtchedRuleOnAButtonFacePage) {
  Document.SetBackground(clBtnFace);
  AddRule({});
  Arrange(200);
  RenderAll();
  EXPECT_EQ(At(100, 9), clGray);
  EXPECT_EQ(At(100, 11), clWhite);  // the button highlight
}

TEST_F(DrawingTest, ColouredAndUnshadedRules) {
  AddRule({{symColor, U"red"}, {symNoshade, U""}});
  AddRule({{symNoshade, U""}});
  AddRule({{symWidth, U"50%"}, {symColor, U"#00FF00"}});
  AddRule({{symWidth, U"150%"}, {symColor, U"blue"}});
  AddRule({{symWidth, U"40"}, {symAlign, U"right"}, {symColor, U"red"}, {symSize, U"4"}});
  Arrange(400);
  RenderAll();
  // A solid red bar, rows 9 and 10.
  EXPECT_EQ(At(10, 9), clRed);
  EXPECT_EQ(At(389, 10), clRed);
  EXPECT_EQ(At(390, 9), clWhite);
  EXPECT_EQ(At(10, 11), clWhite);
  // A black frame.
  EXPECT_EQ(At(100, 20 + 9), clBlack);
  EXPECT_EQ(At(100, 20 + 11), clBlack);
  EXPECT_EQ(At(100, 20 + 10), clWhite);
  // Half the width, centred.
  EXPECT_EQ(At(100, 40 + 9), clLime);
  EXPECT_EQ(At(299, 40 + 9), clLime);
  EXPECT_EQ(At(99, 40 + 9), clWhite);
  EXPECT_EQ(At(300, 40 + 9), clWhite);
  // A percentage above 100 gives the full inset rule.
  EXPECT_EQ(At(10, 60 + 9), clBlue);
  EXPECT_EQ(At(9, 60 + 9), clWhite);
  EXPECT_EQ(At(389, 60 + 9), clBlue);
  // 40 pixels at the right edge, 4 thick in a 22-pixel band: rows 89 .. 92.
  EXPECT_EQ(At(360, 80 + 9), clRed);
  EXPECT_EQ(At(399, 80 + 12), clRed);
  EXPECT_EQ(At(359, 80 + 9), clWhite);
  EXPECT_EQ(At(380, 80 + 13), clWhite);
}

TEST_F(DrawingTest, ListMarkers) {
  auto bullet = std::make_unique<TUListItem>(Document.RunFonts, 1, nullptr, BaseFont());
  bullet->AppendText(U"x");
  Document.AddSection(std::move(bullet));
  auto numbered = std::make_unique<TOListItem>(Document.RunFonts, 1, nullptr, BaseFont(), U'A', 1);
  numbered->AppendText(U"y");
  Document.AddSection(std::move(numbered));
  auto plain = std::make_unique<TUListItem>(Document.RunFonts, 1, nullptr, BaseFont());
  plain->NoBullet = true;
  plain->AppendText(U"z");
  Document.AddSection(std::move(plain));
  Arrange(400);
  RenderAll();
  // A navy dot at x 35 - 8, the middle of the first line's text.
  EXPECT_EQ(At(27, 8), clNavy);
  EXPECT_EQ(At(35, 5), clBlack);  // the text starts at the level indent
  // "A." ends 5 pixels left of the indent: "A" at 14 .. 20, "." at 22 .. 28.
  EXPECT_EQ(At(14, 16 + 5), clBlack);
  EXPECT_EQ(At(13, 16 + 5), clWhite);
  EXPECT_EQ(At(28, 16 + 5), clBlack);
  EXPECT_EQ(At(29, 16 + 5), clWhite);
  // No bullet.
  for (int x = 0; x < 35; ++x) EXPECT_EQ(At(x, 32 + 8), clWhite) << x;
}

TEST_F(DrawingTest, BulletOnADarkPageIsAHollowRing) {
  Document.SetDefaults(Document.FontName, Document.PreFontName, 12, clYellow, clBlue, clBlack);
  auto bullet = std::make_unique<TUListItem>(Document.RunFonts, 1, nullptr, BaseFont());
  bullet->AppendText(U"x");
  Document.AddSection(std::move(bullet));
  Arrange(400);
  RenderAll();
  EXPECT_EQ(At(27, 8), clWhite);  // the inside is left alone
  int ring = 0;
  for (int y = 6; y < 11; ++y)
    for (int x = 25; x < 30; ++x) ring += At(x, y) == clYellow;
  EXPECT_GT(ring, 4);
}

TEST_F(DrawingTest, PreformattedLinesAreClippedToTheCell) {
  auto pre = std::make_unique<TPreFormated>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  pre->AppendText(U"aaaaaaaaaaaaaaaaaaaa");
  Document.AddSection(std::move(pre));
  AddText(U"bbbb bbbb bbbb bbbb");
  int maxWidth = 0, curs = 0;
  Document.Arrange(*Canvas, 0, 100, maxWidth, curs);
  Surface.Fill(clWhite);
  Document.Render(*Canvas, {0, 0, 400, 300}, 100, 0, 0);
  EXPECT_EQ(At(96, 5), clBlack);
  EXPECT_EQ(At(104, 5), clWhite);
  EXPECT_EQ(At(64, 16 + 5), clBlack);  // other text wraps instead
  EXPECT_EQ(At(72, 16 + 5), clWhite);
  EXPECT_EQ(At(80, 16 + 5), clWhite);
  EXPECT_EQ(At(0, 32 + 5), clBlack);
}

TEST_F(DrawingTest, InlineAndFloatingImagesAreDrawnWhereLaidOut) {
  auto section = std::make_unique<TSection>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  auto& floating = static_cast<TFakeImage&>(
      section->InsertImage(std::make_unique<TFakeImage>(30, 30, iaLeft, 5)));
  section->AppendText(U"ab");
  auto& inlineImage = static_cast<TFakeImage&>(
      section->InsertImage(std::make_unique<TFakeImage>(20, 20, iaBottom)));
  section->AppendText(U"c");
  Document.AddSection(std::move(section));
  Arrange(400);
  RenderAll();
  EXPECT_EQ(floating.DrawnX, 0);
  EXPECT_EQ(floating.DrawnTop, 0);
  EXPECT_EQ(inlineImage.DrawnX, 35 + 16);
  // The line rises for the image: 20 + 4 - 16 above the text.
  EXPECT_EQ(inlineImage.DrawnBaseline, 8 + 16 - 4);
  EXPECT_EQ(At(35 + 16 + 20, 8 + 5), clBlack);  // "c" after the image
}
