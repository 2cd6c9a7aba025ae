// SVG on the real platform: Qt's SVG module draws a picture with its alpha, never reads a
// file the document names, and refuses or shrinks what would take unbounded time; a page
// shows an SVG picture with the page behind its transparent parts.
#include <QApplication>
#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

#include "html/images/ImageCache.h"
#include "html/viewer/Viewer.h"
#include "platform/Bitmap.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtSvgRenderer.h"
#include "platform/qt/QtWindow.h"
#include "tests/images/QtPageShot.h"
#include "tests/viewer/ViewerFixture.h"
#include "tools/PictureFiles.h"

namespace {

std::unique_ptr<TBitmap> Draw(const std::string& svg, int width, int height,
                              TColor color = clBlack) {
  return TQtSvgRenderer().Render(
      {reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size()}, width, height, color);
}

constexpr std::uint32_t Transparent = 0;
constexpr std::uint32_t OpaqueBlue = 0xFF0000FF, OpaqueRed = 0xFFFF0000, OpaqueLime = 0xFF00FF00;

const std::string Header =
    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' ";

std::string Repeated(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

}  // namespace

TEST(QtSvg, DrawsWithAlphaScaledToTheSizeAsked) {
  const std::string svg = Header +
                          "viewBox='0 0 20 10'><rect width='5' height='10' fill='#0000FF'/>"
                          "<rect x='10' width='10' height='10' fill='currentColor'/></svg>";
  for (const int scale : {1, 3}) {
    const auto picture = Draw(svg, 20 * scale, 10 * scale, clRed);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->ScanLine(5 * scale)[2 * scale], OpaqueBlue);
    EXPECT_EQ(picture->ScanLine(5 * scale)[7 * scale], Transparent);
    EXPECT_EQ(picture->ScanLine(5 * scale)[15 * scale], OpaqueRed);
  }
  // Other proportions: the drawing is centred, the rest transparent.
  const auto tall = Draw(svg, 20, 30, clRed);
  ASSERT_TRUE(tall);
  EXPECT_EQ(tall->ScanLine(5)[15], Transparent);
  EXPECT_EQ(tall->ScanLine(15)[15], OpaqueRed);
  // The document's own colour wins over the one handed in.
  const auto own = Draw(Header + "color='lime' width='2' height='2'>"
                                 "<rect width='2' height='2' fill='currentColor'/></svg>",
                        2, 2, clRed);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->ScanLine(1)[1], OpaqueLime);
}

TEST(QtSvg, CentredLabelsSitOnTheirPoint) {
  // A capital centred on y = 10 inks rows on both sides of it; on its baseline it would end
  // at row 10.
  const auto picture = Draw(Header + "width='20' height='20'><text x='2' y='10' "
                                     "dominant-baseline='central'>H</text></svg>",
                            20, 20);
  ASSERT_TRUE(picture);
  const auto inked = [&](int y) {
    for (int x = 0; x < 20; ++x)
      if (picture->ScanLine(y)[x] >> 24 > 128) return true;
    return false;
  };
  EXPECT_TRUE(inked(7));
  EXPECT_TRUE(inked(13));
}

TEST(QtSvg, ReadsNothingOutsideTheDocument) {
  TTempFolder folder;
  TBitmap green(10, 10);
  green.Fill(clLime);
  const TBytes png = WritePng(green);
  WriteFile(folder.Name("g.png"), png);
  const QByteArray pngData = QByteArray(reinterpret_cast<const char*>(png.data()),
                                        qsizetype(png.size())).toBase64();
  const QByteArray svgData =
      QByteArray::fromStdString(Header + "width='10' height='10'><image width='10' height='10' "
                                         "xlink:href='file://" + folder.Name("g.png") + "'/></svg>")
          .toBase64();
  const std::string svg =
      Header + "width='40' height='10'>"
               "<image width='10' height='10' xlink:href='" + folder.Name("g.png") + "'/>"
               "<image x='10' width='10' height='10' href=' file://" + folder.Name("g.png") + "'/>"
               "<image x='20' width='10' height='10' xlink:href='data:image/png;base64," +
               pngData.toStdString() + "'/>"
               "<image x='30' width='10' height='10' xlink:href='data:image/svg+xml;base64," +
               svgData.toStdString() + "'/></svg>";
  const auto picture = Draw(svg, 40, 10);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->ScanLine(5)[5], Transparent);
  EXPECT_EQ(picture->ScanLine(5)[15], Transparent);
  EXPECT_EQ(picture->ScanLine(5)[25], OpaqueLime);  // a picture inside the document
  EXPECT_EQ(picture->ScanLine(5)[35], Transparent);
}

TEST(QtSvg, HostileDocumentsAreRefusedOrBounded) {
  // Malformed, too deep, too large, and an entity of an entity of an entity ...
  EXPECT_FALSE(Draw(Header + "width='9' height='9'><rect width='9' height='9'>", 9, 9));
  EXPECT_FALSE(Draw(Header + "width='9' height='9'>" + Repeated("<g>", MaxSvgDepth) +
                        Repeated("</g>", MaxSvgDepth) + "</svg>",
                    9, 9));
  EXPECT_FALSE(Draw(Header + "width='9' height='9'><desc>" +
                        std::string(MaxSvgBytes, 'x') + "</desc></svg>",
                    9, 9));
  EXPECT_FALSE(Draw("<!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;"
                    "&a;&a;&a;'><!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'><!ENTITY d '&c;&c;"
                    "&c;&c;&c;&c;&c;&c;&c;&c;'><!ENTITY e '&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;'>]>" +
                        Header + "width='9' height='9'><text>&e;&e;&e;&e;&e;</text></svg>",
                    9, 9));
  // A million instances of a whole-picture shape through six levels of use, and one path of
  // 20000 segments: far past what the picture may cost.
  std::string fan = Header + "width='1000' height='1000'><defs>"
                             "<rect id='a0' width='1000' height='1000' fill='red'/>";
  for (int level = 1; level <= 6; ++level)
    fan += "<g id='a" + std::to_string(level) + "'>" +
           Repeated("<use xlink:href='#a" + std::to_string(level - 1) + "'/>", 10) + "</g>";
  EXPECT_FALSE(Draw(fan + "</defs><use xlink:href='#a6'/></svg>", 1000, 1000));
  EXPECT_FALSE(Draw(Header + "width='1000' height='1000'><path d='M0,0" +
                        Repeated(" L1000,1000 L0,1000 L1000,0", 6667) + "'/></svg>",
                    1000, 1000));
  // A reference cycle adds nothing and draws what is outside it.
  const auto cycle = Draw(Header + "width='2' height='2'><g id='a'><use xlink:href='#b'/></g>"
                                   "<g id='b'><use xlink:href='#a'/></g>"
                                   "<rect width='2' height='2' fill='red'/></svg>",
                          2, 2);
  ASSERT_TRUE(cycle);
  EXPECT_EQ(cycle->ScanLine(1)[1], OpaqueRed);
  // Costly at full size but not hopeless: drawn smaller, then scaled up to the size asked.
  const auto large = Draw(Header + "width='2000' height='2000'>" +
                              Repeated("<rect width='2000' height='2000' fill='red'/>", 400) +
                              "</svg>",
                          2000, 2000);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->ScanLine(1000)[1000], OpaqueRed);
  EXPECT_EQ(large->ScanLine(1999)[1999], OpaqueRed);
}

TEST(QtSvg, APageShowsAnSvgPictureWithThePageBehindIt) {
  TTempFolder folder;
  folder.Write("a.svg", "<?xml version='1.0'?>\n" + Header +
                            "width='20' height='20'><rect x='10' width='10' height='20' "
                            "fill='lime'/></svg>");
  const std::string page = folder.Write("page.htm", "<body bgcolor=#FFFF00><img src=a.svg>");

  const QImage image = ShownOnQt(page);
  ASSERT_FALSE(image.isNull());
  // The picture stands at the page margin (10, 5).
  EXPECT_EQ(image.pixelColor(15, 15), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(25, 15), QColor(0, 255, 0));
  ImageCache().Clear();
}
