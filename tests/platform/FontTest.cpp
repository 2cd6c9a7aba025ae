#include "platform/Font.h"
#include "platform/Screen.h"
#include "platform/headless/HeadlessGraphics.h"

#include <gtest/gtest.h>

TEST(PointsToPixels, RoundsAtNinetySixPerInch) {
  EXPECT_EQ(PointsToPixels(12), 16);
  EXPECT_EQ(PointsToPixels(10), 13);  // 13.33
  EXPECT_EQ(PointsToPixels(8), 11);   // 10.67
  EXPECT_EQ(PointsToPixels(9), 12);
  EXPECT_EQ(PointsToPixels(0), 0);
  EXPECT_EQ(PointsToPixels(-12), -16);
}

TEST(HeadlessFont, FixedMetricsFollowPixelSize) {
  THeadlessGraphics graphics;
  struct TCase {
    int Points, Height, Ascent, Descent, Advance;
  };
  for (const TCase& c : {TCase{12, 16, 12, 4, 8}, TCase{10, 13, 10, 3, 7},
                         TCase{8, 11, 8, 3, 6}, TCase{7, 9, 7, 2, 5}, TCase{24, 32, 24, 8, 16}}) {
    TFontFace& face = graphics.Face({.Name = "Times New Roman", .Size = c.Points, .Style = fsBold});
    const TTextMetrics& m = face.Metrics();
    EXPECT_EQ(m.Height, c.Height) << c.Points;
    EXPECT_EQ(m.Ascent, c.Ascent) << c.Points;
    EXPECT_EQ(m.Descent, c.Descent) << c.Points;
    EXPECT_EQ(m.ExternalLeading, 0);
    EXPECT_EQ(m.Overhang, 0);
    EXPECT_EQ(face.TextWidth(U"Wi \u4E2D"), 4 * c.Advance) << c.Points;
  }
}

namespace {

class TCountingFace : public TFontFace {
public:
  TCountingFace() : TFontFace({}) {}
  int Calls = 0;

protected:
  int MeasureAdvance(char32_t ch) override {
    ++Calls;
    return ch == U'W' ? 10 : 3;
  }
};

}  // namespace

TEST(FontFace, MeasuresEachCharacterOnceAndSumsAdvances) {
  TCountingFace face;
  EXPECT_EQ(face.TextWidth(U"WoW"), 23);
  EXPECT_EQ(face.TextWidth(U"Wow \u4E2D\U0001F600\u4E2D"), 28);
  EXPECT_EQ(face.Calls, 6);  // W o w space U+4E2D U+1F600
  EXPECT_EQ(face.TextWidth(U""), 0);
}

TEST(GraphicsFactory, SharesFacesThatMeasureAlike) {
  THeadlessGraphics graphics;
  TFontFace& black = graphics.Face({.Name = "Arial", .Size = 12});
  EXPECT_EQ(&black, &graphics.Face({.Name = "Arial", .Size = 12, .Color = clRed}));
  EXPECT_NE(&black, &graphics.Face({.Name = "Arial", .Size = 14}));
  EXPECT_NE(&black, &graphics.Face({.Name = "Arial", .Size = 12, .Style = fsItalic}));

  EXPECT_EQ(graphics.Screen().ColorBits, 24);
  graphics.SetColorBits(8);
  EXPECT_EQ(graphics.Screen().ColorBits, 8);
}

TEST(Font, NotifiesRealChangesOnly) {
  TFont font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  font.SetSize(12);
  font.SetSize(12);
  font.SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(changes, 2);

  TFont copy(font);  // the handler stays with the original
  EXPECT_FALSE(copy.OnChange);
  copy.SetColor(clNavy);
  EXPECT_EQ(changes, 2);

  font.Assign(copy);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(font.Desc(), copy.Desc());
}

TEST(Color, ResolvesSystemColoursAndDropsFlags) {
  TClassicSystemColors colors;
  EXPECT_EQ(colors.Resolve(clBtnFace), clSilver);
  EXPECT_EQ(colors.Resolve(clWindow), clWhite);
  EXPECT_EQ(colors.Resolve(clHighlight), clNavy);
  EXPECT_EQ(colors.Resolve(Rgb(1, 2, 3) | PaletteRelative), Rgb(1, 2, 3));
  EXPECT_EQ(colors.Resolve(SystemColorFlag | 200), clBlack);
}
