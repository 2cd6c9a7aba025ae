// SVG pictures in the engine: knowing SVG data by its content, the size a picture takes, the
// placeholder where the platform cannot draw, and what the engine does with a drawing it gets
// (the mask from its alpha, currentColor, the cache of inline pictures), with a stand-in
// renderer whose every pixel is known.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "html/images/ImageLoad.h"
#include "html/images/SvgImage.h"
#include "html/images/SvgRoot.h"
#include "tests/images/ImageFixture.h"

namespace {

TImageBytes Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::optional<TSvgSize> SizeOf(std::string_view svg) { return SvgPictureSize(Bytes(svg)); }

// Draws every picture as asked: the left half fully transparent, the right half in the
// colour asked for, its first column faint as an anti-aliased edge and the rest opaque (so a
// picture of one column has no transparent part).
class TStandInRenderer : public TSvgRenderer {
 public:
  mutable int Calls = 0;
  mutable TColor LastColor = 0;
  std::unique_ptr<TBitmap> Render(std::span<const std::uint8_t>, int width, int height,
                                  TColor color) const override {
    ++Calls;
    LastColor = color;
    // The left half clear, then one column a quarter opaque, the rest opaque in color.
    auto picture = std::make_unique<TBitmap>(width, height);
    if (width > 1) picture->SetAlphaChannel(true);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        picture->SetPixelAlpha(x, y, color, x < width / 2 ? 0 : x == width / 2 ? 0x40 : 0xFF);
    return picture;
  }
};

class TDrawingGraphics : public THeadlessGraphics {
 public:
  TStandInRenderer Renderer;
  const TSvgRenderer& SvgRenderer() const override { return Renderer; }
};

}  // namespace

TEST(SvgKind, IsKnownByItsFirstElementAfterTheProlog) {
  const std::string bom = "\xEF\xBB\xBF";
  for (const std::string& svg :
       {std::string("<svg xmlns='http://www.w3.org/2000/svg'/>"), std::string(" \n<svg>"),
        std::string("<?xml version=\"1.0\"?>\n<svg width=\"1\">"),
        bom + "<?xml version='1.0'?><!-- a <comment> --><?pi x?>"
              "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"x.dtd\" [<!ENTITY a '>]'>]>"
              "\n<svg:svg xmlns:svg='http://www.w3.org/2000/svg'>"})
    EXPECT_EQ(ImageKindOf(Bytes(svg)), ikSvg) << svg;
  for (const std::string& other :
       {std::string("<?xml version=\"1.0\"?><html xmlns='http://www.w3.org/1999/xhtml'>"),
        std::string("<svgx>"), std::string("text <svg>"), std::string("<!-- <svg> -"),
        std::string("<?xml <svg>"), std::string("<!DOCTYPE svg [ <svg>"),
        bom + bom + "<svg>", std::string("<!-- x ->") + std::string(1 << 20, '-')})
    EXPECT_EQ(ImageKindOf(Bytes(other)), ikUnknown) << other.substr(0, 40);
}

TEST(SvgSize, ComesFromWidthHeightAndViewBox) {
  const auto is = [](std::string_view root, int width, int height) {
    EXPECT_EQ(SizeOf(root), (TSvgSize{width, height})) << root;
  };
  is("<svg width='100' height='50.4'>", 100, 50);
  is("<svg width=\"1in\" height=\" 2.54cm \">", 96, 96);
  is("<svg width='10mm' height='12pt'>", 38, 16);
  is("<svg width='1pc' height='+4Q'>", 16, 4);
  is("<svg width='2.5e1px' height='.5e2PX'>", 25, 50);
  // Percentages, font units and nonsense give way to the viewBox, then to 300 x 150.
  is("<svg width='50%' height='40%' viewBox='0 0 200 100'>", 200, 100);
  is("<svg width='3em' height='0' viewBox='-5,-5,20,10'>", 20, 10);
  is("<svg width='50' viewBox='0 0 200 100'>", 50, 25);
  is("<svg height='50' viewBox='0 0 200 100'>", 100, 50);
  is("<svg width='50'>", 50, 150);
  is("<svg height='-5' width='inf' viewBox='0 0 -1 5'>", 300, 150);
  is("<svg viewBox='0 0 1 2 3'>", 300, 150);
  // The first of repeated attributes counts, whatever the case of its name.
  is("<svg viewbox='0 0 7 8' WIDTH='9' width='1'>", 9, 10);
  EXPECT_FALSE(SizeOf("<html width='9' height='9'>"));
}

TEST(SvgSize, IsScaledIntoThePictureLimits) {
  EXPECT_EQ(SizeOf("<svg width='100000' height='100000'>"), (TSvgSize{4096, 4096}));
  EXPECT_EQ(SizeOf("<svg width='1e300' height='1e-300'>"), (TSvgSize{MaxImageSide, 1}));
  EXPECT_EQ(SizeOf("<svg viewBox='0 0 1e308 1e-308' width='1e308'>"), (TSvgSize{MaxImageSide, 1}));
  const std::optional<TSvgSize> wide = SizeOf("<svg width='80000' height='6000'>");
  ASSERT_TRUE(wide);
  EXPECT_TRUE(ImageSizeAllowed(wide->Width, wide->Height));
  EXPECT_NEAR(double(wide->Width) / wide->Height, 80000.0 / 6000, 0.01);
}

TEST_F(ImageTest, SvgShowsThePlaceholderOnTheHeadlessPlatform) {
  Source.Streams[U"a.svg"] = "<svg width='40' height='20' xmlns='http://www.w3.org/2000/svg'/>";
  Show("<img src=a.svg>");
  EXPECT_EQ(ImageAt(0).PictureKind(), pkError);
  EXPECT_EQ(ImageCache().Count(), 0u);

  // An inline picture takes the room of its own size all the same.
  SectionAt(0).InsertImage(MakeInlineSvgImage(U"<svg width='40' height='20'></svg>", clBlack));
  Arrange(400);
  EXPECT_EQ(ImageAt(1).PictureKind(), pkError);
  EXPECT_EQ(ImageAt(1).ImageWidth, 40);
  EXPECT_EQ(ImageAt(1).ImageHeight, 20);
}

TEST(SvgDecode, TransparentPartsKeepTheirAlpha) {
  ImageCache().Clear();
  TStandInRenderer renderer;
  const std::string svg = "<svg width='4' height='2'/>";
  TTransparency transparency = trNone;
  const TDecodedImage decoded = DecodeSvg(Bytes(svg), &renderer, clRed, transparency);
  ASSERT_TRUE(decoded.Bitmap);
  EXPECT_FALSE(decoded.Mask);
  EXPECT_EQ(transparency, trAlpha);
  EXPECT_EQ(renderer.LastColor, clRed);
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(decoded.Bitmap->Alpha(x, 1), x < 2 ? 0 : x == 2 ? 0x40 : 0xFF) << x;
  EXPECT_EQ(decoded.Bitmap->Pixel(3, 1), clRed);
  // Nothing transparent: TRANSP asks for the lower-left colour, as for other pictures.
  transparency = trLowerLeft;
  const TDecodedImage opaque =
      DecodeSvg(Bytes("<svg width='1' height='3'/>"), &renderer, clBlue, transparency);
  ASSERT_TRUE(opaque.Mask);
  EXPECT_EQ(transparency, trLowerLeft);
  EXPECT_EQ(opaque.Mask->Pixel(0, 0), clWhite);
  // No renderer, or data that is no SVG: nothing.
  EXPECT_TRUE(DecodeSvg(Bytes(svg), nullptr, clRed, transparency).Empty());
  EXPECT_TRUE(DecodeSvg(Bytes("<html>"), &renderer, clRed, transparency).Empty());
}

TEST(SvgDecode, InlinePicturesAreCachedBySourceAndColour) {
  ImageCache().Clear();
  TStandInRenderer renderer;
  const std::string source = "<svg width='4' height='2'/>";
  TTransparency transparency = trNone;
  const TLoadedImage first = LoadInlineSvg(renderer, source, clRed, transparency);
  const TLoadedImage again = LoadInlineSvg(renderer, source, clRed, transparency);
  const TLoadedImage blue = LoadInlineSvg(renderer, source, clBlue, transparency);
  EXPECT_FALSE(first.FromCache);
  EXPECT_TRUE(again.FromCache);
  EXPECT_EQ(again.Picture.Bitmap, first.Picture.Bitmap);
  EXPECT_EQ(again.Mask, first.Mask);
  EXPECT_FALSE(blue.FromCache);
  EXPECT_EQ(renderer.Calls, 2);
  ImageCache().Clear();
}

TEST(SvgInline, HtmlCharacterReferencesBecomeXml) {
  const auto image = MakeInlineSvgImage(
      U"<svg><text>a&nbsp;b &amp; &lt;&#65;&#x42; &bogus; & x &amp</text></svg>", clBlack);
  EXPECT_EQ(image->SvgSource,
            "<svg><text>a&#160;b &amp; &lt;&#65;&#x42; &amp;bogus; &amp; x &amp;amp</text></svg>");
  EXPECT_EQ(image->SpecWidth, 300);
  EXPECT_EQ(image->SpecHeight, 150);
}

class SvgPageTest : public ImageTest {
 protected:
  TDrawingGraphics Drawing;
  std::unique_ptr<TCanvas> DrawingCanvas = Drawing.CanvasFor(Surface);

  void SetUp() override {
    ImageTest::SetUp();
    Document = std::make_unique<TSectionList>(Drawing);
    Document->ImageSource = &Source;
    Canvas = std::move(DrawingCanvas);
  }
};

TEST_F(SvgPageTest, PicturesAreSizedAndDrawnLikeOthers) {
  Source.Streams[U"a.svg"] = "<svg width='40' height='20' xmlns='http://www.w3.org/2000/svg'/>";
  Show("<font color=red><img src=a.svg> <img src=a.svg width=20></font>");
  const TImageObj& natural = ImageAt(0);
  EXPECT_EQ(natural.PictureKind(), pkBitmap);
  EXPECT_EQ(natural.ObjWidth, 40);
  EXPECT_EQ(natural.ObjHeight, 20);
  EXPECT_EQ(ImageAt(1).ObjHeight, 10);
  // A picture from a file or host is a document of its own: its currentColor is black.
  EXPECT_EQ(Drawing.Renderer.LastColor, clBlack);
  EXPECT_EQ(Drawing.Renderer.Calls, 1);
  // The transparent half shows the page, the other half the picture.
  EXPECT_EQ(Surface.Pixel(natural.DrawX + 5, natural.DrawY + 5), clWhite);
  EXPECT_EQ(Surface.Pixel(natural.DrawX + 35, natural.DrawY + 5), clBlack);

  // An inline picture's currentColor is the text around it, a system colour resolved.
  SectionAt(0).InsertImage(MakeInlineSvgImage(U"<svg width='8' height='4'/>", clHighlight));
  SectionAt(0).InsertImage(MakeInlineSvgImage(U"<svg width='8' height='4'/>", clLime));
  Arrange(400);
  EXPECT_EQ(ImageAt(2).ObjWidth, 8);
  EXPECT_EQ(ImageAt(2).PictureKind(), pkBitmap);
  EXPECT_EQ(ImageAt(3).Picture().Bitmap->Pixel(7, 0), clLime);
  EXPECT_EQ(ImageAt(2).Picture().Bitmap->Pixel(7, 0), clNavy);
}
