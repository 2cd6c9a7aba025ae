// Copying bitmaps: raster operations, stretching, monochrome masks, clipping.

#include "Pixels.h"

#include "platform/headless/HeadlessGraphics.h"

#include <gtest/gtest.h>

namespace {

TBitmap Row(std::initializer_list<TColor> colors, bool monochrome = false) {
  TBitmap bitmap(int(colors.size()), 1, monochrome);
  int x = 0;
  for (const TColor color : colors) bitmap.SetPixel(x++, 0, color);
  return bitmap;
}

}  // namespace

TEST(Bitmap, StoresOpaqueWordsAndKeepsMasksBlackAndWhite) {
  TBitmap bitmap(2, 1);
  bitmap.SetPixel(0, 0, Rgb(0x11, 0x22, 0x33) | PaletteRelative);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFF112233u);
  EXPECT_EQ(bitmap.Pixel(0, 0), Rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(bitmap.Pixel(1, 0), clBlack);

  const TBitmap mask = Row({clWhite, clSilver, clRed}, true);
  EXPECT_EQ(mask.Pixel(0, 0), clWhite);
  EXPECT_EQ(mask.Pixel(1, 0), clBlack);
  EXPECT_EQ(mask.Pixel(2, 0), clBlack);
}

TEST(CopyRect, RasterOperationsCombineSourceAndDestination) {
  THeadlessGraphics graphics;
  const TColor d = Rgb(0xF0, 0x0F, 0x55);
  const TColor s = Rgb(0x3C, 0x3C, 0xFF);
  const TBitmap source = Row({s});
  struct TCase {
    TRasterOp Op;
    TColor Expected;
  };
  for (const TCase c : {TCase{ropCopy, s}, TCase{ropAnd, Rgb(0x30, 0x0C, 0x55)},
                        TCase{ropOr, Rgb(0xFC, 0x3F, 0xFF)}, TCase{ropXor, Rgb(0xCC, 0x33, 0xAA)},
                        TCase{ropNotCopy, Rgb(0xC3, 0xC3, 0x00)}}) {
    TBitmap surface = Row({d, d});
    graphics.CanvasFor(surface)->Draw(1, 0, source, c.Op);
    EXPECT_EQ(surface.Pixel(1, 0), c.Expected) << c.Op;
    EXPECT_EQ(surface.Pixel(0, 0), d) << c.Op;
  }
}

TEST(CopyRect, APictureWithAlphaIsLaidOverTheSurface) {
  THeadlessGraphics graphics;
  const TColor under = Rgb(0, 60, 255);
  TBitmap glass(4, 1);
  glass.SetAlphaChannel(true);
  glass.SetPixelAlpha(0, 0, Rgb(200, 100, 0), 128);
  glass.SetPixelAlpha(1, 0, clRed, 0);
  glass.SetPixelAlpha(2, 0, Rgb(9, 8, 7), 255);
  glass.SetPixelAlpha(3, 0, clWhite, 1);
  EXPECT_EQ(glass.ScanLine(0)[0], 0x80643200u);  // premultiplied: 200 x 128 / 255 = 100.4

  // Each channel: the picture's share plus the surface's through 255 - alpha.
  TBitmap surface = Row({under, under, under, under, under});
  graphics.CanvasFor(surface)->Draw(1, 0, glass);
  EXPECT_EQ(surface.Pixel(0, 0), under);
  EXPECT_EQ(surface.Pixel(1, 0), Rgb(100, 50 + 30, 127));  // 60 x 127 / 255 = 29.9
  EXPECT_EQ(surface.Pixel(2, 0), under);
  EXPECT_EQ(surface.Pixel(3, 0), Rgb(9, 8, 7));
  EXPECT_EQ(surface.Pixel(4, 0), Rgb(1, 1 + 60, 255));  // 1 of white, 254/255 of the surface
  // Another operation takes the colour the pixel shows over black.
  graphics.CanvasFor(surface)->Draw(0, 0, glass, ropOr);
  EXPECT_EQ(surface.Pixel(0, 0), Rgb(100, 50 | 60, 255));
}

TEST(CopyRect, StretchesAndShrinksByNearestPixel) {
  THeadlessGraphics graphics;
  TBitmap source(2, 2);
  source.SetPixel(0, 0, clRed);
  source.SetPixel(1, 1, clRed);
  TBitmap surface = WhiteBitmap(7, 5);
  auto canvas = graphics.CanvasFor(surface);
  canvas->StretchDraw({0, 0, 4, 4}, source);
  const TBitmap wide = Row({clRed, clBlue, clRed, clBlue, clRed, clBlue});
  canvas->StretchDraw({4, 4, 7, 5}, wide);  // 6 -> 3 takes every other pixel
  EXPECT_EQ(Picture(surface, {0, 0, 7, 5}, clRed),
            (std::vector<std::string>{"##??...", "##??...", "??##...", "??##...", "....###"}));
}

TEST(CopyRect, SourceOutsideTheBitmapOrTheClipLeavesPixelsAlone) {
  THeadlessGraphics graphics;
  const TBitmap source = Row({clRed, clRed});
  TBitmap surface = WhiteBitmap(6, 1);
  auto canvas = graphics.CanvasFor(surface);
  canvas->CopyRect({0, 0, 4, 1}, source, {-1, 0, 3, 1});  // columns -1 and 2 do not exist
  canvas->SetClipRect({0, 0, 5, 1});
  canvas->Draw(4, 0, source);
  EXPECT_EQ(Picture(surface, {0, 0, 6, 1}, clRed), (std::vector<std::string>{".##.#."}));
}

TEST(CopyRect, CopyFromTheSurfaceItselfReadsBeforeWriting) {
  THeadlessGraphics graphics;
  TBitmap surface = Row({clRed, clBlue, clWhite, clWhite});
  graphics.CanvasFor(surface)->CopyRect({1, 0, 3, 1}, surface, {0, 0, 2, 1});
  EXPECT_EQ(surface, Row({clRed, clRed, clBlue, clWhite}));
}

TEST(CopyRect, MaskedDrawingLeavesTransparentPixelsUntouched) {
  THeadlessGraphics graphics;
  const TBitmap image = Row({clRed, clLime, clBlue});

  // The mask: white where the image has its lower-left colour.
  TBitmap mask(3, 1, true);
  auto maskCanvas = graphics.CanvasFor(mask);
  maskCanvas->SetBackColor(image.Pixel(0, 0) | PaletteRelative);
  maskCanvas->Draw(0, 0, image);
  EXPECT_EQ(mask, Row({clWhite, clBlack, clBlack}, true));

  // Inverted mask ANDed into a copy of the image blacks out its transparent pixels.
  TBitmap inverse(3, 1, true);
  graphics.CanvasFor(inverse)->Draw(0, 0, mask, ropNotCopy);
  TBitmap cut = image;
  graphics.CanvasFor(cut)->Draw(0, 0, inverse, ropAnd);

  TBitmap page = Row({clYellow, clYellow, clYellow, clYellow});
  auto canvas = graphics.CanvasFor(page);
  canvas->SetTextColor(clBlack);
  canvas->SetBackColor(clWhite);
  canvas->Draw(1, 0, mask, ropAnd);
  canvas->Draw(1, 0, cut, ropOr);
  EXPECT_EQ(page, Row({clYellow, clYellow, clLime, clBlue}));
}

TEST(CopyRect, MonochromeSourcesAndSurfaces) {
  THeadlessGraphics graphics;
  const TBitmap mask = Row({clBlack, clWhite}, true);
  TBitmap surface = WhiteBitmap(2, 1);
  auto canvas = graphics.CanvasFor(surface);
  canvas->SetTextColor(clNavy);
  canvas->SetBackColor(clBtnFace);
  canvas->Draw(0, 0, mask);
  EXPECT_EQ(surface, Row({clNavy, clSilver}));

  TBitmap other(3, 1, true);  // shapes on a mask come out black or white
  auto maskCanvas = graphics.CanvasFor(other);
  maskCanvas->SetBrush(clWhite);
  maskCanvas->FillRect({0, 0, 2, 1});
  maskCanvas->SetBrush(clYellow);
  maskCanvas->FillRect({1, 0, 2, 1});
  EXPECT_EQ(other, Row({clWhite, clBlack, clBlack}, true));
}
