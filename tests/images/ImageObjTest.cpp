// Inline images: attributes, sizes, placeholders, drawing, borders, and the links clicks on
// them lead to.
#include "tests/images/ImageFixture.h"

#include "html/images/GIFImage.h"
#include "html/images/MapItem.h"
#include "html/images/Placeholders.h"
#include "tests/images/PngSamples.h"

namespace {

TBytes RedBmp(int width, int height) { return WriteBmp(Solid(width, height, clRed), 24); }

TBytes TwoFrameGif() {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 8;
  spec.GlobalColors = {clBlack, clRed, clLime, clBlue};
  spec.LoopCount = 0;
  for (const std::uint8_t index : {1, 2}) {
    TGifFrameSpec frame = SolidFrame(8, 8, index);
    frame.Control = true;
    frame.DelayHundredths = 10;
    spec.Frames.push_back(frame);
  }
  return WriteGif(spec);
}

}  // namespace

TEST_F(ImageTest, AttributesAreReadInTheOrderWritten) {
  Show(R"(<img align=TOP><img align=absmiddle><img align=Left><img align=RIGHT><img align=center>)"
       R"(<img width="50%"><img width="150%"><img width=30 width="20%"><img height=0>)"
       R"(<img hspace=-12><img hspace=99><img border=0><img border=2><img border>)"
       R"(<img usemap=" #Nav "><img usemap="#"><img transp ismap>)");
  EXPECT_EQ(ImageAt(0).Align, iaTop);
  EXPECT_EQ(ImageAt(1).Align, iaMiddle);
  EXPECT_EQ(ImageAt(2).Align, iaLeft);
  EXPECT_EQ(ImageAt(3).Align, iaRight);
  EXPECT_EQ(ImageAt(4).Align, iaBottom);
  EXPECT_TRUE(ImageAt(5).PercentWidth);
  EXPECT_EQ(ImageAt(5).SpecWidth, 50);
  EXPECT_FALSE(ImageAt(6).PercentWidth);
  EXPECT_EQ(ImageAt(6).SpecWidth, 0);
  EXPECT_TRUE(ImageAt(7).PercentWidth);
  EXPECT_EQ(ImageAt(7).SpecWidth, 20);
  EXPECT_EQ(ImageAt(8).SpecHeight, 1);
  EXPECT_EQ(ImageAt(9).HSpace, 12);
  EXPECT_EQ(ImageAt(10).HSpace, 20);
  EXPECT_EQ(ImageAt(4).HSpace, 5);
  EXPECT_TRUE(ImageAt(11).NoBorder);
  EXPECT_FALSE(ImageAt(12).NoBorder);
  EXPECT_FALSE(ImageAt(13).NoBorder);
  EXPECT_TRUE(ImageAt(14).UseMap);
  EXPECT_EQ(ImageAt(14).MapName, U"NAV");
  EXPECT_EQ(ImageAt(15).MapName, U"#");
  EXPECT_EQ(ImageAt(16).Transparent, trLowerLeft);
  EXPECT_TRUE(ImageAt(16).IsMap);
}

TEST_F(ImageTest, APercentageWidthFollowsTheLayoutWidth) {
  Offer(U"p", RedBmp(40, 20));
  Show(R"(<img src=p width="50%"><br><img src=p width="150%">)", 600);
  EXPECT_EQ(ImageAt(0).ImageWidth, 300);
  EXPECT_EQ(ImageAt(0).ImageHeight, 150);  // without a HEIGHT the proportions stay
  EXPECT_EQ(ImageAt(1).ImageWidth, 40);  // 150 percent is ignored
  Arrange(300);
  EXPECT_EQ(ImageAt(0).ImageWidth, 150);
  EXPECT_EQ(ImageAt(0).ImageHeight, 75);
}

TEST_F(ImageTest, OneGivenSideKeepsTheAspectRatioAndTwoStretch) {
  Offer(U"p", RedBmp(40, 20));
  Show("<img src=p height=40><img src=p width=10><img src=p width=100 height=7><img src=p height=15><img src=p>");
  EXPECT_EQ(ImageAt(0).ImageWidth, 80);
  EXPECT_EQ(ImageAt(1).ImageHeight, 5);
  EXPECT_EQ(ImageAt(2).ImageWidth, 100);
  EXPECT_EQ(ImageAt(2).ImageHeight, 7);
  EXPECT_EQ(ImageAt(3).ImageWidth, 30);
  EXPECT_EQ(ImageAt(4).ImageWidth, 40);
  EXPECT_TRUE(ImageAt(4).SizeKnown);
  EXPECT_EQ(ImageAt(4).PictureKind(), pkBitmap);
}

TEST_F(ImageTest, AFailedImageWithAltTextGetsABoxAroundIt) {
  // Ten characters of Arial 8 points are 60 pixels: the box is 60 + 2 + 24 wide, 24 high.
  Show("<img src=missing alt=0123456789><img src=missing><img src=missing width=70 height=30 alt=x>");
  EXPECT_EQ(ImageAt(0).PictureKind(), pkError);
  EXPECT_EQ(ImageAt(0).ImageWidth, 86);
  EXPECT_EQ(ImageAt(0).ImageHeight, 24);
  EXPECT_FALSE(ImageAt(0).SizeKnown);
  EXPECT_EQ(ImageAt(1).ImageWidth, 24);
  EXPECT_EQ(ImageAt(2).ImageWidth, 70);
  EXPECT_EQ(ImageAt(2).ImageHeight, 30);
  EXPECT_TRUE(ImageAt(2).SizeKnown);
  EXPECT_EQ(ImageAt(2).Transparent, trLowerLeft);
  EXPECT_EQ(Source.Requests[U"missing"], 3);
}

TEST_F(ImageTest, APlaceholderBoxShowsItsPictureOnlyWhenAtLeast24Square) {
  Show("<img src=missing width=20 height=20>");
  EXPECT_EQ(CountOf(clRed), 0);  // no cross
  EXPECT_GT(CountOf(clGray), 0);  // the sunken frame's shadow (grey on the headless platform)
  TearDown();
  Document = MakeDocument();
  Show("<img src=missing width=30 height=30>");
  EXPECT_GT(CountOf(clRed), 0);
}

TEST_F(ImageTest, AnImageInALinkHasABorderInTheLinkColourOutsideItsHitArea) {
  Offer(U"p", RedBmp(40, 20));
  Show(R"(<a href="x.htm"><img src=p></a><a href="y.htm"><img src=p border=0></a>)");
  const TImageObj& image = ImageAt(0);
  EXPECT_TRUE(image.HasBorder);
  EXPECT_EQ(image.ImageWidth, 42);
  EXPECT_EQ(image.ImageHeight, 22);
  EXPECT_FALSE(ImageAt(1).HasBorder);
  EXPECT_EQ(ImageAt(1).ImageWidth, 40);
  // The line's text is 16 high with descent 4, so it rises 22 + 4 - 16 above it: the box
  // stands at the top of the line.
  EXPECT_EQ(Surface.Pixel(0, 0), clBlue);
  EXPECT_EQ(Surface.Pixel(41, 21), clBlue);
  EXPECT_EQ(Surface.Pixel(1, 1), clRed);
  EXPECT_EQ(Surface.Pixel(40, 20), clRed);
  TInlineImage* hit = nullptr;
  int x = 0, y = 0;
  EXPECT_FALSE(Document->ImageAt(0, 0, hit, x, y));
  ASSERT_TRUE(Document->ImageAt(40, 20, hit, x, y));
  EXPECT_EQ(hit, &image);
  EXPECT_EQ(x, 39);
  EXPECT_EQ(y, 19);
  EXPECT_FALSE(Document->ImageAt(41, 20, hit, x, y) && hit == &image);
  EXPECT_EQ(LinkAt(20, 10), U"x.htm");
  EXPECT_EQ(LinkAt(60, 10), U"y.htm");
}

TEST_F(ImageTest, AServerSideMapClickCarriesItsPointWithTheLink) {
  Offer(U"p", RedBmp(40, 30));
  Show(R"(<a href="map.htm"><img src=p ismap></a>)");
  // The picture stands 1 pixel in from the border.
  EXPECT_EQ(LinkAt(11, 21), U"map.htm?10,20");
  EXPECT_EQ(LinkAt(1, 1), U"map.htm?0,0");
}

TEST_F(ImageTest, AClientSideMapDecidesByItsAreasInTheOrderWritten) {
  Offer(U"p", RedBmp(40, 30));
  Show(R"(<img src=p usemap="#Nav"><map name=nav>)"
       R"(<area shape=rect coords="0,0,9,9" href=a.htm>)"
       R"(<area shape=rect coords="30,0,39,29" nohref>)"
       R"(<area shape=rect coords="0,0,39,29" href=b.htm target=main></map>)");
  EXPECT_EQ(LinkAt(5, 5), U"a.htm");
  EXPECT_EQ(LinkAt(9, 9), U"a.htm");
  EXPECT_EQ(LinkAt(15, 15), U"b.htm");
  EXPECT_EQ(LinkAt(35, 5), U"");  // the NOHREF area hides the one below it
  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  ASSERT_TRUE(Document->LinkAt(*Canvas, 15, 15, control, link));
  EXPECT_EQ(link->Target, U"main");
}

TEST_F(ImageTest, AMapWithoutAnAreaThereHidesTheLinkAroundTheImage) {
  Offer(U"p", RedBmp(40, 30));
  Show(R"(<a href=around.htm><img src=p usemap=#m><img src=p usemap=#unknown></a>)"
       R"(<map name=M><area shape=circle coords="20,15,5" href=c.htm></map>)");
  // Each image has a border; the first's picture starts at (1, 1), the second's at (43, 1).
  EXPECT_EQ(LinkAt(21, 16), U"c.htm");
  EXPECT_EQ(LinkAt(3, 3), U"");
  EXPECT_EQ(LinkAt(50, 10), U"around.htm");  // no such map: the text's link
}

TEST_F(ImageTest, AMapWithoutItsEndTagIsDropped) {
  Show("<map name=a><area coords=0,0,1,1 href=x></map><map name=b><area coords=0,0,1,1 href=y>");
  ASSERT_EQ(Document->ImageMaps.size(), 1u);
  EXPECT_EQ(Document->ImageMaps[0]->Name, U"A");
}

// A middle-aligned picture 25 high beside text 16 high rises 9 above the text: the larger half,
// 5, goes above the text and 4 below it. The picture's middle (12 down) is drawn on the middle
// of the character cell (8 below the text's top at 5), so its top is row 1.
TEST_F(ImageTest, AMiddleAlignedPictureGivesTheLargerHalfOfAnOddRiseToTheRoomAbove) {
  Offer(U"p", RedBmp(10, 25));
  Show("x<img src=p align=middle>");
  const LineRec& line = SectionAt(0).Lines.at(0);
  EXPECT_EQ(line.SpaceAbove, 5);
  EXPECT_EQ(line.SpaceBelow, 4);
  EXPECT_EQ(ImageAt(0).DrawY, 1);
  EXPECT_EQ(Surface.Pixel(12, 0), clWhite);
  EXPECT_EQ(Surface.Pixel(12, 1), clRed);
  EXPECT_EQ(Surface.Pixel(12, 25), clRed);
  EXPECT_EQ(Surface.Pixel(12, 26), clWhite);
}

TEST_F(ImageTest, ImagesInPreformattedTextAndInLinesOfText) {
  Offer(U"p", RedBmp(40, 20));
  Show("<pre>a<img src=p>b</pre>x <img src=p align=top> y");
  EXPECT_EQ(SectionAt(1).Text, U"a\x04" U"b");
  EXPECT_EQ(ImageAt(0).ImageWidth, 40);
  EXPECT_EQ(ImageAt(1).Align, iaTop);
}

TEST_F(ImageTest, WithImagesOffNothingIsFetchedAndEveryImageIsTheDefaultPicture) {
  Offer(U"p", RedBmp(40, 20));
  Document->ImagesEnabled = false;
  Show("<img src=p><img src=p width=50 height=60>");
  EXPECT_TRUE(Source.Requests.empty());
  EXPECT_EQ(ImageAt(0).PictureKind(), pkDefault);
  EXPECT_EQ(ImageAt(0).ImageWidth, 24);
  EXPECT_EQ(ImageAt(1).ImageWidth, 50);
  EXPECT_EQ(CountOf(clRed), 0);
  Document->ImagesEnabled = true;
  Arrange(400);
  EXPECT_EQ(ImageAt(0).PictureKind(), pkBitmap);
  EXPECT_EQ(ImageAt(0).ImageWidth, 40);
  EXPECT_EQ(Source.Requests[U"p"], 1);  // fetched once, then taken from the cache
}

TEST_F(ImageTest, AnAwaitedPictureShowsTheDefaultPictureAndIsAskedForOnce) {
  Source.Waiting = true;
  Show("<img src=w><img src=w>");
  EXPECT_EQ(ImageAt(0).PictureKind(), pkDefault);
  EXPECT_EQ(ImageAt(1).PictureKind(), pkDefault);
  EXPECT_EQ(Source.Requests[U"w"], 1);
  EXPECT_EQ(ImageCache().Count(), 0u);
}

TEST_F(ImageTest, TranspMakesTheLowerLeftColourTransparent) {
  TBitmap picture = Solid(10, 10, clLime);
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 8; ++x) picture.SetPixel(x, y, clRed);
  Offer(U"t", WriteBmp(picture, 24));
  Show("<img src=t transp><img src=t>");
  EXPECT_EQ(ImageAt(0).Transparent, trLowerLeft);
  // The first shows its red square on the page; the second, without TRANSP, its lime frame.
  EXPECT_EQ(Surface.Pixel(0, 0), clWhite);
  EXPECT_EQ(Surface.Pixel(2, 2), clRed);
  EXPECT_EQ(Surface.Pixel(10, 0), clLime);
}

TEST_F(ImageTest, TransparentGifAndPngPixelsShowThePageBehindThem) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 4;
  spec.GlobalColors = {clBlack, clBlue};
  TGifFrameSpec frame = SolidFrame(4, 4, 1);
  frame.Pixels[0] = 0;
  frame.Control = true;
  frame.TransparentIndex = 0;
  spec.Frames = {frame};
  Offer(U"g", WriteGif(spec));
  TBitmap holes(4, 4, true);
  holes.SetPixel(3, 3, clWhite);
  Offer(U"n", WritePng(Solid(4, 4, clLime), &holes));
  Show("<img src=g><img src=n>");
  EXPECT_EQ(ImageAt(0).Transparent, trGif);
  EXPECT_EQ(ImageAt(1).Transparent, trAlpha);
  // A line of images only has no text height: both pictures fill rows 0 to 3.
  EXPECT_EQ(Surface.Pixel(0, 0), clWhite);
  EXPECT_EQ(Surface.Pixel(1, 0), clBlue);
  EXPECT_EQ(Surface.Pixel(7, 3), clWhite);
  EXPECT_EQ(Surface.Pixel(6, 3), clLime);
}

TEST_F(ImageTest, APngWithAlphaBlendsWithTheCellColourBeneath) {
  // Red at alpha 128, clear, opaque red and white at alpha 128, in a blue cell.
  Offer(U"h", AlphaPng(4, 1, {{clRed, 128}, {clRed, 0}, {clRed, 255}, {clWhite, 128}}));
  Show("<table cellspacing=0 cellpadding=0><tr><td bgcolor=#0000FF><img src=h></table>");
  const TColor half = Rgb(128, 0, 127);  // 255 x 128 / 255 of the picture, 255 x 127 / 255 of the cell
  ASSERT_EQ(CountOf(half), 1);
  for (int y = 0; y < Surface.Height(); ++y)
    for (int x = 0; x + 3 < Surface.Width(); ++x)
      if (Surface.Pixel(x, y) == half) {
        EXPECT_EQ(Surface.Pixel(x + 1, y), clBlue);
        EXPECT_EQ(Surface.Pixel(x + 2, y), clRed);
        EXPECT_EQ(Surface.Pixel(x + 3, y), Rgb(128, 128, 255));
      }
}

TEST_F(ImageTest, EverythingDrawnMovesUpByTheScroll) {
  // Text, a plain and a TRANSP picture, one with alpha, an animated GIF, a missing one with
  // its frame, and a table with borders, a cell colour and coloured spacing.
  Offer(U"p", RedBmp(6, 5));
  TBitmap framed = Solid(6, 6, clNavy);
  framed.SetPixel(2, 2, clYellow);
  Offer(U"t", WriteBmp(framed, 24));
  Offer(U"h", AlphaPng(2, 2, {{clRed, 128}, {clLime, 0}, {clBlue, 200}, {clWhite, 255}}));
  Offer(U"a", TwoFrameGif());
  Show("line<br><a href=x><img src=p></a><img src=t transp><img src=h width=6 height=6>"
       "<img src=a><img src=none alt=gone width=40 height=30>"
       "<table border=2 cellspacing=3 bordercolor=#FF00FF><tr><td bgcolor=#00FF00>cell"
       "<td><img src=p></table>");
  const TBitmap still = Surface;
  const int scroll = 13;
  Document->SetScrollTop(scroll);
  Render();
  for (int y = 0; y + scroll < Surface.Height(); ++y)
    for (int x = 0; x < Surface.Width(); ++x)
      ASSERT_EQ(Surface.Pixel(x, y), still.Pixel(x, y + scroll)) << x << "," << y;
  // The animation knows where its picture shows now, to repaint it there.
  const TGIFImage& gif = *ImageAt(3).Picture().Gif;
  const TRect shown = gif.DrawnRect(0, scroll);
  EXPECT_EQ(shown.Top, ImageAt(3).DrawY - scroll);
  EXPECT_EQ(gif.DrawnRect(0, 0).Top, ImageAt(3).DrawY);
  EXPECT_EQ(Surface.Pixel(shown.Left, shown.Top), clRed);
}

TEST_F(ImageTest, AnimatedGifsAreSharedOnceAndCopiedForEveryFurtherImage) {
  Offer(U"a", TwoFrameGif());
  Show("<img src=a><img src=a>");
  ASSERT_EQ(ImageAt(0).PictureKind(), pkGif);
  const TBitmapItem* item = ImageCache().Find(U"a");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(ImageAt(0).Picture().Gif, item->Gif.get());
  EXPECT_NE(ImageAt(1).Picture().Gif, item->Gif.get());
  EXPECT_TRUE(ImageAt(1).Picture().Gif->IsCopy());
  EXPECT_EQ(Document->AnimatedImages.size(), 2u);
  EXPECT_EQ(item->Users, 2);
  EXPECT_TRUE(Document->AnimationTimerEnabled);
  Document.reset();
  EXPECT_EQ(item->Users, 0);
}

TEST_F(ImageTest, PictureForHost) {
  Offer(U"p", RedBmp(3, 2));
  Offer(U"a", TwoFrameGif());
  Show("<img src=p><img src=missing><img src=a>");
  const TBitmap* plain = ImageAt(0).PictureForHost();
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(*plain, Solid(3, 2, clRed));
  EXPECT_EQ(ImageAt(0).PictureForHost(), plain);  // made once
  EXPECT_EQ(ImageAt(1).PictureForHost(), nullptr);
  const TBitmap* animated = ImageAt(2).PictureForHost();
  ASSERT_NE(animated, nullptr);
  EXPECT_EQ(animated->Pixel(0, 0), clRed);
}

TEST_F(ImageTest, AltTextWrapsInsideItsBox) {
  // The box is 60 x 40 at the top left: the text may use x 24 to 58 and y 4 to 39, lines of 11
  // pixels: "ab cd", then "efghijkl" (cut at 58), then "mn". The text is black here.
  Show("<img src=missing width=60 height=40 alt=\"ab cd efghijkl mn\">");
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if (Surface.Pixel(x, y) == clBlack) (x >= 24 && x < 58 && y >= 4 && y < 39 ? inside : outside) += 1;
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(Surface.Pixel(24 + 6 + 1, 26 + 5), clBlack);  // the "n" on the third line
}
