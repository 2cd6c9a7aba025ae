// Pictures on the real platform: a page with a GIF, a JPEG and a PNG shows their pixels on
// screen, the PNG's transparent pixels showing the page behind them.
#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

#include "html/images/ImageCache.h"
#include "html/viewer/Viewer.h"
#include "platform/Bitmap.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "tools/PictureFiles.h"
#include "tests/images/QtPageShot.h"
#include "tests/viewer/ViewerFixture.h"

namespace {

TBitmap Solid(int width, int height, TColor color) {
  TBitmap picture(width, height);
  picture.Fill(color);
  return picture;
}

bool Near(const QColor& color, int red, int green, int blue) {
  return std::abs(color.red() - red) <= 8 && std::abs(color.green() - green) <= 8 &&
         std::abs(color.blue() - blue) <= 8;
}

}  // namespace

TEST(QtImages, AGifAJpegAndAPngDrawTheirPixels) {
  TTempFolder folder;
  TGifSpec gif;
  gif.ScreenWidth = gif.ScreenHeight = 20;
  gif.GlobalColors = {clBlack, clRed};
  gif.Frames = {SolidFrame(20, 20, 1)};
  WriteFile(folder.Name("a.gif"), WriteGif(gif));
  WriteFile(folder.Name("b.jpg"), WriteJpeg(Solid(20, 20, Rgb(0, 0, 200))));
  TBitmap holes(20, 20, true);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) holes.SetPixel(x, y, clWhite);
  WriteFile(folder.Name("c.png"), WritePng(Solid(20, 20, clLime), &holes));
  const std::string page = folder.Write(
      "page.htm", "<body bgcolor=#FFFF00><img src=a.gif><br><img src=b.jpg><br><img src=c.png>");

  const QImage image = ShownOnQt(page);
  ASSERT_FALSE(image.isNull());
  // Each picture stands alone on a line of its own, 20 pixels high, from the page margin
  // (10, 5).
  EXPECT_TRUE(Near(image.pixelColor(20, 15), 255, 0, 0));
  EXPECT_TRUE(Near(image.pixelColor(20, 35), 0, 0, 200));
  EXPECT_TRUE(Near(image.pixelColor(20, 50), 255, 255, 0));  // the PNG's transparent half
  EXPECT_TRUE(Near(image.pixelColor(20, 60), 0, 255, 0));
  EXPECT_TRUE(Near(image.pixelColor(40, 15), 255, 255, 0));
  ImageCache().Clear();
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
