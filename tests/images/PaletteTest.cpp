// The 256-colour palette builder and nearest-colour mapping, with 8-bit mode forced.
#include <gtest/gtest.h>

#include <algorithm>

#include "html/images/BmpReader.h"
#include "html/images/GIFImage.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageLoad.h"
#include "html/images/ScreenColors.h"
#include "platform/Bitmap.h"
#include "tests/images/PngSamples.h"
#include "tools/PictureFiles.h"

namespace {

// Runs a test in 8-bit mode and puts true colour back afterwards.
class EightBitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDisplayColorBits(8);
    ImageCache().Clear();
  }
  void TearDown() override {
    SetDisplayColorBits(24);
    ImageCache().Clear();
  }
  static bool InPalette(TColor color) {
    const auto& entries = SharedPalette()->Entries;
    return std::find(entries.begin(), entries.end(), color) != entries.end();
  }
  static void ExpectPaletteColours(const TBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x)
        ASSERT_TRUE(InPalette(picture.Pixel(x, y))) << x << "," << y;
  }
};

TBitmap Rainbow(int width, int height) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, Rgb(std::uint8_t(x * 37), std::uint8_t(y * 53), std::uint8_t(x * y * 11)));
  return picture;
}

}  // namespace

TEST(SharedPaletteTest, CubeGreysAndSystemColours) {
  const TPalette palette = BuildSharedPalette();
  ASSERT_EQ(palette.Entries.size(), 256u);
  EXPECT_EQ(palette.Entries[0], clBlack);
  EXPECT_EQ(palette.Entries[7], clSilver);
  EXPECT_EQ(palette.Entries[9], Rgb(166, 202, 240));
  EXPECT_EQ(palette.Entries[10], Rgb(55, 55, 55));
  EXPECT_EQ(palette.Entries[11], Rgb(115, 55, 55));    // red changes fastest
  EXPECT_EQ(palette.Entries[16], Rgb(55, 115, 55));
  EXPECT_EQ(palette.Entries[46], Rgb(55, 55, 115));    // blue slowest
  EXPECT_EQ(palette.Entries[224], Rgb(235, 255, 255)); // white is left out of the cube
  EXPECT_EQ(palette.Entries[225], Rgb(135, 135, 135));
  EXPECT_EQ(palette.Entries[248], Rgb(250, 250, 250));
  EXPECT_EQ(palette.Entries[249], clRed);
  EXPECT_EQ(palette.Entries[255], clWhite);
}

TEST(SharedPaletteTest, NearestColourAndTheModes) {
  const TPalette palette = BuildSharedPalette();
  EXPECT_EQ(NearestColorIndex(palette, clWhite), 255);
  EXPECT_EQ(NearestColorIndex(palette, Rgb(56, 54, 55)), 10);
  EXPECT_EQ(NearestColorIndex(palette, Rgb(137, 136, 134)), 225);
  EXPECT_EQ(NearestColorIndex(palette, clBlack), 0);
  EXPECT_EQ(SharedPalette(), nullptr);  // true colour
  SetDisplayColorBits(8);
  EXPECT_EQ(DisplayColorBits(), 8);
  ASSERT_NE(SharedPalette(), nullptr);
  SetDisplayColorBits(4);
  EXPECT_EQ(DisplayColorBits(), 4);
  EXPECT_EQ(SharedPalette(), nullptr);
  SetDisplayColorBits(32);
  EXPECT_EQ(DisplayColorBits(), 24);
}

TEST_F(EightBitTest, BitmapsGifsJpegsAndPngsTakePaletteColours) {
  const TBitmap picture = Rainbow(16, 9);
  TTransparency transparency = trNone;
  std::unique_ptr<TBitmap> mask;
  const auto bmp = DecodeBitmap(WriteBmp(picture, 24), transparency, mask);
  ASSERT_NE(bmp, nullptr);
  ExpectPaletteColours(*bmp);
  EXPECT_EQ(bmp->Pixel(0, 0), clBlack);
  EXPECT_EQ(bmp->Pixel(15, 0), SharedPalette()->Entries[std::size_t(
                                    NearestColorIndex(*SharedPalette(), picture.Pixel(15, 0)))]);
  const auto jpeg = DecodeBitmap(WriteJpeg(picture), transparency, mask);
  ASSERT_NE(jpeg, nullptr);
  ExpectPaletteColours(*jpeg);
  const auto png = DecodeBitmap(WritePng(picture), transparency, mask);
  ASSERT_NE(png, nullptr);
  ExpectPaletteColours(*png);

  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 2;
  spec.GlobalColors = {Rgb(1, 2, 3), Rgb(100, 150, 200)};
  spec.Frames = {SolidFrame(2, 2, 1)};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  ExpectPaletteColours(gif.Composed());
}

TEST_F(EightBitTest, APngWithAlphaKeepsItsAlphaOverPaletteColours) {
  // Nearly red at three alphas: each becomes palette red seen through the same alpha.
  TTransparency transparency = trNone;
  std::unique_ptr<TBitmap> mask;
  const auto png = DecodeBitmap(AlphaPng(3, 1, {{Rgb(250, 4, 4), 255}, {Rgb(250, 4, 4), 128}, {clBlue, 0}}),
                                transparency, mask);
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(transparency, trAlpha);
  EXPECT_EQ(png->ScanLine(0)[0], 0xFFFF0000u);
  EXPECT_EQ(png->ScanLine(0)[1], 0x80800000u);  // 255 x 128 / 255 red
  EXPECT_EQ(png->ScanLine(0)[2], 0u);
}

TEST_F(EightBitTest, AGreyJpegIsQuantisedToGreys) {
  TBitmap grey(8, 8);
  grey.Fill(Rgb(100, 100, 100));
  TTransparency transparency = trNone;
  std::unique_ptr<TBitmap> mask;
  const auto jpeg = DecodeBitmap(WriteJpeg(grey, true), transparency, mask);
  ASSERT_NE(jpeg, nullptr);
  ExpectPaletteColours(*jpeg);
}
