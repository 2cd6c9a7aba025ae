// The Qt platform: real fonts, text placed by its metrics, shapes identical to the headless
// rules, system colours from the application palette.

#include "Pixels.h"

#include "platform/headless/HeadlessGraphics.h"
#include "platform/qt/QtGraphics.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(QtFonts, SystemFaceNamesResolveToInstalledFonts) {
  struct TCase {
    const char* Face;
    const char* Family;
  };
  for (const TCase c : {TCase{"Arial", "Liberation Sans"}, TCase{"Times New Roman", "Liberation Serif"},
                        TCase{"Courier New", "Liberation Mono"}}) {
    const QFontInfo info(TQtGraphics::QtFontFor({.Name = c.Face, .Size = 12}));
    EXPECT_EQ(info.family().toStdString(), c.Family);
    EXPECT_EQ(info.pixelSize(), 16) << c.Face;
  }
}

TEST(QtFonts, MetricsAndAdvancesComeFromTheRealFont) {
  TQtGraphics graphics;
  TFontFace& sans = graphics.Face({.Name = "Arial", .Size = 12});
  const TTextMetrics& m = sans.Metrics();
  EXPECT_GT(m.Ascent, 8);
  EXPECT_GT(m.Descent, 0);
  EXPECT_EQ(m.Height, m.Ascent + m.Descent);
  EXPECT_GE(m.ExternalLeading, 0);
  EXPECT_EQ(m.Overhang, 0);
  EXPECT_GT(sans.Advance(U'W'), sans.Advance(U'i'));
  EXPECT_EQ(sans.TextWidth(U"Wi"), sans.Advance(U'W') + sans.Advance(U'i'));

  TFontFace& mono = graphics.Face({.Name = "Courier New", .Size = 12});
  EXPECT_EQ(mono.Advance(U'W'), mono.Advance(U'i'));
  EXPECT_GT(graphics.Face({.Name = "Arial", .Size = 24}).Advance(U'W'), sans.Advance(U'W'));
}

TEST(QtCanvas, TextLandsWhereItsMetricsSay) {
  TQtGraphics graphics;
  TBitmap surface = WhiteBitmap(120, 50);
  auto canvas = graphics.CanvasFor(surface);
  canvas->SetFont({.Name = "Arial", .Size = 12});
  canvas->SetBackgroundMode(bmTransparent);
  const std::u32string text = U"HHH";
  const int x = 5, baseline = 30;
  canvas->TextOut(x, baseline, text);

  const TTextMetrics& m = canvas->TextMetrics();
  const int advance = canvas->Face().Advance(U'H');
  TRect ink{1000, 1000, -1, -1};
  for (int y = 0; y < surface.Height(); ++y)
    for (int px = 0; px < surface.Width(); ++px)
      if (surface.Pixel(px, y) != clWhite)
        ink = {std::min(ink.Left, px), std::min(ink.Top, y), std::max(ink.Right, px + 1),
               std::max(ink.Bottom, y + 1)};
  ASSERT_FALSE(ink.IsEmpty()) << "nothing drawn";
  EXPECT_GE(ink.Left, x);
  EXPECT_LT(ink.Left, x + advance / 2);
  EXPECT_GT(ink.Right, x + 2 * advance);
  EXPECT_LE(ink.Right, x + canvas->TextWidth(text));
  EXPECT_GE(ink.Top, baseline - m.Ascent);
  EXPECT_EQ(ink.Bottom, baseline);  // capitals stand on the baseline
}

namespace {

// One of everything the shared pixel rules cover.
void DrawSample(TCanvas& canvas) {
  canvas.SetOrigin({-2, -3});
  canvas.SetClipRect({0, 0, 35, 30});
  canvas.SetPen(clBtnShadow);
  canvas.SetBrush(Rgb(10, 200, 30) | PaletteRelative);
  canvas.Rectangle({0, 0, 12, 9});
  canvas.Ellipse({13, 1, 24, 9});
  const std::vector<TPoint> star{{30, 0}, {36, 18}, {24, 7}, {37, 7}, {25, 18}};
  canvas.Polygon(star);
  canvas.MoveTo(0, 20);
  canvas.LineTo(9, 27);
  canvas.LineTo(15, 20);
  canvas.DrawFocusRect({1, 11, 10, 18});
  TRegion frame = TRegion::Rectangle({16, 20, 26, 29});
  frame.Subtract(TRegion::Ellipse({17, 21, 25, 28}));
  canvas.SetBrush(clNavy);
  canvas.FillRegion(frame);

  TBitmap picture(3, 2);
  picture.SetPixel(0, 0, clRed);
  picture.SetPixel(1, 0, Rgb(0x3C, 0x3C, 0xFF));
  picture.SetPixel(2, 1, clYellow);
  TBitmap mask(3, 2, true);
  mask.SetPixel(1, 1, clWhite);
  int y = 0;
  for (const TRasterOp op : {ropCopy, ropAnd, ropOr, ropXor, ropNotCopy}) {
    canvas.StretchDraw({27, 20 + y, 33, 22 + y}, picture, op);
    y += 2;
  }
  canvas.SetTextColor(clMaroon);
  canvas.SetBackColor(clBtnFace);
  canvas.StretchDraw({0, 29, 6, 33}, mask, ropCopy);
}

}  // namespace

TEST(QtCanvas, ShapesAndCopiesMatchTheHeadlessPixelsExactly) {
  TQtGraphics qt;
  THeadlessGraphics headless;
  const QPalette saved = QApplication::palette();
  QPalette classic = saved;  // make the system colours the headless ones
  classic.setColor(QPalette::Active, QPalette::Dark, QColor(128, 128, 128));
  classic.setColor(QPalette::Active, QPalette::Button, QColor(192, 192, 192));
  QApplication::setPalette(classic);

  TBitmap expected = WhiteBitmap(40, 36);
  DrawSample(*headless.CanvasFor(expected));
  TBitmap actual = WhiteBitmap(40, 36);
  DrawSample(*qt.CanvasFor(actual));
  QApplication::setPalette(saved);

  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      ASSERT_EQ(actual.ScanLine(y)[x], expected.ScanLine(y)[x]) << "at " << x << "," << y;
}

TEST(QtCanvas, AlphaPicturesBlendToTheHeadlessPixelsExactly) {
  // Every alpha over a coloured surface, in three colours, at its size and stretched.
  TBitmap glass(256, 3);
  glass.SetAlphaChannel(true);
  for (int a = 0; a < 256; ++a)
    for (const auto& [row, color] : {std::pair{0, clRed}, std::pair{1, Rgb(200, 100, 51)}, std::pair{2, clWhite}})
      glass.SetPixelAlpha(a, row, color, std::uint8_t(a));
  const auto draw = [&glass](TGraphicsFactory& graphics) {
    TBitmap surface(256, 9);
    surface.Fill(Rgb(10, 200, 77));
    auto canvas = graphics.CanvasFor(surface);
    canvas->Draw(0, 0, glass);
    canvas->StretchDraw({0, 3, 256, 9}, glass);
    return surface;
  };
  TQtGraphics qt;
  THeadlessGraphics headless;
  const TBitmap expected = draw(headless), actual = draw(qt);
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      ASSERT_EQ(actual.Pixel(x, y), expected.Pixel(x, y)) << "at " << x << "," << y;
  EXPECT_EQ(expected.Pixel(0, 0), Rgb(10, 200, 77));
  EXPECT_EQ(expected.Pixel(255, 1), Rgb(200, 100, 51));
}

TEST(QtSystemColors, FollowTheApplicationPalette) {
  TQtGraphics graphics;
  const QPalette saved = QApplication::palette();
  QPalette dark = saved;
  dark.setColor(QPalette::Active, QPalette::Button, QColor(30, 31, 32));
  dark.setColor(QPalette::Active, QPalette::ButtonText, QColor(220, 221, 222));
  QApplication::setPalette(dark);
  EXPECT_EQ(graphics.SystemColors().Resolve(clBtnFace), Rgb(30, 31, 32));
  EXPECT_EQ(graphics.SystemColors().Resolve(clBtnText), Rgb(220, 221, 222));
  QApplication::setPalette(saved);
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
