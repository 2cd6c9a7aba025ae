// Pictures in the viewer: image pages, the host's image requests, the page background, the
// animation timer, image events and image-map clicks.
#include "tests/viewer/ViewerFixture.h"

#include "html/document/InlineObjects.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageLoad.h"
#include "html/images/ImageObj.h"
#include "html/images/ImageSource.h"
#include "tests/images/PngSamples.h"
#include "tools/PictureFiles.h"

namespace {

TBitmap Solid(int width, int height, TColor color) {
  TBitmap picture(width, height);
  picture.Fill(color);
  return picture;
}

// Eight by eight, frame 1 red and frame 2 lime, each shown for delay hundredths.
TBytes Blinker(int delay, int loops) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 8;
  spec.GlobalColors = {clBlack, clRed, clLime, clBlue};
  spec.LoopCount = loops;
  for (const std::uint8_t index : {1, 2}) {
    TGifFrameSpec frame = SolidFrame(8, 8, index);
    frame.Control = true;
    frame.DelayHundredths = delay;
    spec.Frames.push_back(frame);
  }
  return WriteGif(spec);
}

class ImageViewerTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    ImageCache().Clear();
    Viewer->SetViewImages(true);
  }
  void TearDown() override {
    Viewer.reset();
    ImageCache().Clear();
  }
  // The panel pixel at the top-left corner of the page (inside the margins).
  TColor PagePixel(int dx = 0, int dy = 0) const { return Panel().Surface().Pixel(10 + dx, 5 + dy); }
};

}  // namespace

TEST_F(ImageViewerTest, AnImageFileOpensAsAPageOfItsPicture) {
  // A GIF named as a JPEG, in a file whose name needs quoting and escaping.
  const std::string name = Folder.Write("odd \"name\" & 100%.jpg", AsStream([] {
    TGifSpec spec;
    spec.ScreenWidth = spec.ScreenHeight = 4;
    spec.GlobalColors = {clNavy, clNavy};
    spec.Frames = {SolidFrame(4, 4, 0)};
    return WriteGif(spec);
  }()));
  Viewer->OpenImageFile(name);
  Paint();
  EXPECT_EQ(Viewer->DocKind(), dkImage);
  EXPECT_EQ(PagePixel(), clNavy);
  EXPECT_EQ(PagePixel(3, 3), clNavy);
  EXPECT_NE(PagePixel(4, 4), clNavy);
}

TEST_F(ImageViewerTest, ALinkToAnImageFileOpensIt) {
  Folder.Write("pic.bmp", AsStream(WriteBmp(Solid(5, 5, clMaroon), 24)));
  const std::string page = Folder.Write("page.htm", R"(<a href="pic.bmp">PICTURE</a>)");
  Viewer->OpenHtmlFile(page);
  Paint();
  Panel().Click(mbLeft, 12, 10);
  Paint();
  EXPECT_EQ(Viewer->DocKind(), dkImage);
  EXPECT_EQ(PagePixel(), clMaroon);
}

TEST_F(ImageViewerTest, PicturesLoadRelativeToThePage) {
  Folder.Write("sub/pic.bmp", AsStream(WriteBmp(Solid(5, 5, clTeal), 24)));
  Viewer->OpenHtmlFile(Folder.Write("sub/page.htm", "<img src=pic.bmp>"));
  Paint();
  EXPECT_EQ(PagePixel(), clTeal);
}

TEST_F(ImageViewerTest, TheHostAnswersImageRequests) {
  const std::string stream = AsStream(WriteBmp(Solid(6, 6, clPurple), 24));
  std::vector<std::u32string> asked;
  Viewer->OnImageRequest = [&](TriruRedu* sender, const std::u32string& src, const TMemoryStream*& out) {
    EXPECT_EQ(sender, Viewer.get());
    asked.push_back(src);
    if (src == U"Later.gif") out = WaitStream();
    if (src == U"Pic") out = &stream;
  };
  Show(R"(<img src="Pic"><img src="Later.gif"><img src="Later.gif"><img src=none>)");
  // The 24-pixel boxes of the others make the line 24 high; the picture ends on its baseline.
  EXPECT_EQ(PagePixel(0, 18), clPurple);
  EXPECT_EQ(PagePixel(5, 23), clPurple);
  EXPECT_EQ(asked, (std::vector<std::u32string>{U"Pic", U"Later.gif", U"none"}));
  EXPECT_EQ(Document().PendingImages, std::vector<std::u32string>{U"Later.gif"});
}

TEST_F(ImageViewerTest, TheBodyBackgroundPictureIsTiled) {
  TBitmap tile = Solid(2, 2, clYellow);
  tile.SetPixel(1, 1, clBlue);
  Folder.Write("tile.bmp", AsStream(WriteBmp(tile, 24)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", "<body background=tile.bmp>text"));
  Paint();
  ASSERT_NE(Document().BackgroundImage, nullptr);
  EXPECT_EQ(Panel().Surface().Pixel(0, 0), clYellow);
  EXPECT_EQ(Panel().Surface().Pixel(1, 1), clBlue);
  EXPECT_EQ(Panel().Surface().Pixel(201, 251), clBlue);
  // Without images the page shows its colour; with them again, the tiles.
  Viewer->SetViewImages(false);
  Paint();
  EXPECT_EQ(Panel().Surface().Pixel(1, 1), Graphics.SystemColors().Resolve(clBtnFace));
  Viewer->SetViewImages(true);
  Paint();
  EXPECT_EQ(Panel().Surface().Pixel(1, 1), clBlue);
}

TEST_F(ImageViewerTest, APictureWithAlphaShowsThePageColourOrTheTilesBeneath) {
  Folder.Write("glass.png", AsStream(AlphaPng(4, 4, std::vector(16, std::pair{clRed, 128}))));
  Folder.Write("tile.bmp", AsStream(WriteBmp(Solid(3, 3, clLime), 24)));
  Viewer->OpenHtmlFile(Folder.Write("colour.htm", "<body bgcolor=#0000FF><img src=glass.png>"));
  Paint();
  EXPECT_EQ(PagePixel(), Rgb(128, 0, 127));  // 255 x 128 / 255 red, 255 x 127 / 255 blue
  Viewer->OpenHtmlFile(Folder.Write("tiles.htm", "<body background=tile.bmp><img src=glass.png>"));
  Paint();
  EXPECT_EQ(PagePixel(), Rgb(128, 127, 0));
  // A background picture with alpha shows the page colour through it.
  Viewer->OpenHtmlFile(Folder.Write("glass.htm", "<body bgcolor=#0000FF background=glass.png>"));
  Paint();
  EXPECT_EQ(Panel().Surface().Pixel(0, 0), Rgb(128, 0, 127));
  EXPECT_EQ(Panel().Surface().Pixel(37, 21), Rgb(128, 0, 127));
}

TEST_F(ImageViewerTest, SwitchingImagesOnFetchesPicturesNeverShown) {
  Viewer->SetViewImages(false);
  Folder.Write("pic.bmp", AsStream(WriteBmp(Solid(40, 30, clOlive), 24)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", "<img src=pic.bmp>"));
  Paint();
  EXPECT_EQ(ImageCache().Count(), 0u);
  EXPECT_NE(PagePixel(20, 20), clOlive);
  Viewer->SetViewImages(true);
  Paint();
  EXPECT_EQ(PagePixel(20, 20), clOlive);
}

TEST_F(ImageViewerTest, ImageCacheCountZeroKeepsOnlyWhatTheNewPageUses) {
  Viewer->SetImageCacheCount(0);
  Folder.Write("a.bmp", AsStream(WriteBmp(Solid(2, 2, clRed), 24)));
  Folder.Write("b.bmp", AsStream(WriteBmp(Solid(2, 2, clBlue), 24)));
  Viewer->OpenHtmlFile(Folder.Write("one.htm", "<img src=a.bmp><img src=b.bmp>"));
  Viewer->OpenHtmlFile(Folder.Write("two.htm", "<img src=b.bmp>"));
  ASSERT_EQ(ImageCache().Count(), 1u);
  EXPECT_NE(ImageCache().Find(FileKey(Folder.Name("b.bmp"))), nullptr);
}

TEST_F(ImageViewerTest, AnAnimationStepsOnTheTimerRepaintingOnlyItsPicture) {
  Folder.Write("blink.gif", AsStream(Blinker(10, 0)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", "<img src=blink.gif>"));
  Paint();
  EXPECT_EQ(PagePixel(), clRed);
  // The timer ticks every 50 ms: the first tick starts the timing, the frame is due 100 ms on.
  Windowing.AdvanceTime(100);
  EXPECT_TRUE(Panel().Invalid().IsEmpty());
  Windowing.AdvanceTime(50);
  EXPECT_EQ(Panel().Invalid(), (TRect{10, 5, 18, 13}));
  Paint();
  EXPECT_EQ(PagePixel(), clLime);
  Windowing.AdvanceTime(100);
  Paint();
  EXPECT_EQ(PagePixel(), clRed);
}

TEST_F(ImageViewerTest, WithoutALoopCountAnAnimationPlaysOnceAndStaysOnItsLastFrame) {
  Folder.Write("once.gif", AsStream(Blinker(5, -1)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", "<img src=once.gif>"));
  Paint();
  for (int i = 0; i < 20; ++i) {
    Windowing.AdvanceTime(50);
    Paint();
  }
  EXPECT_EQ(PagePixel(), clLime);
}

TEST_F(ImageViewerTest, AnAnimationScrolledOutOfViewRests) {
  Folder.Write("blink.gif", AsStream(Blinker(5, 0)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", "<img src=blink.gif><br>" + Lines(60)));
  Paint();
  Viewer->ScrollTo(400);
  Paint();
  Windowing.AdvanceTime(500);
  EXPECT_TRUE(Panel().Invalid().IsEmpty());
}

TEST_F(ImageViewerTest, ImageEventsGiveThePointInsideThePicture) {
  Folder.Write("pic.bmp", AsStream(WriteBmp(Solid(40, 30, clRed), 24)));
  Viewer->OpenHtmlFile(Folder.Write("page.htm", R"(<img src=pic.bmp><a href="x.htm"><img src=pic.bmp></a>)"));
  Paint();
  std::vector<std::pair<int, int>> overs, clicks;
  TInlineImage* clicked = nullptr;
  Viewer->OnImageOver = [&](TriruRedu*, TInlineImage*, TShiftState, int x, int y) { overs.push_back({x, y}); };
  Viewer->OnImageClick = [&](TriruRedu*, TInlineImage* image, TMouseButton, TShiftState, int x, int y) {
    clicked = image;
    clicks.push_back({x, y});
  };
  std::vector<TRightClickParameters> rights;
  Viewer->OnRightClick = [&](TriruRedu*, const TRightClickParameters& p) { rights.push_back(p); };
  // The first picture stands 2 pixels lower than the second with its border: both end on the
  // line's baseline at 5 + 32.
  Panel().MoveMouse(13, 11);
  EXPECT_EQ(Panel().Cursor(), crArrow);
  ASSERT_EQ(overs.size(), 1u);
  EXPECT_EQ(overs[0], std::make_pair(3, 4));
  Panel().Click(mbRight, 13, 11);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(3, 4));
  ASSERT_NE(dynamic_cast<TImageObj*>(clicked), nullptr);
  ASSERT_EQ(rights.size(), 1u);
  EXPECT_EQ(rights[0].ImageObj, clicked);
  EXPECT_EQ(rights[0].ImageX, 3);
  EXPECT_TRUE(rights[0].Url.empty());
  // The second image stands in a link, behind its one-pixel border: its picture starts at
  // x 10 + 40 + 1 and y 5 + 1.
  Panel().Click(mbRight, 60, 11);
  ASSERT_EQ(rights.size(), 2u);
  EXPECT_EQ(rights[1].Url, U"x.htm");
  EXPECT_EQ(rights[1].ImageX, 9);
  EXPECT_EQ(rights[1].ImageY, 5);
  Panel().MoveMouse(60, 11);
  EXPECT_EQ(Panel().Cursor(), crHand);
}

TEST_F(ImageViewerTest, ClickingAnImageMapAreaFollowsItsLink) {
  Folder.Write("map.bmp", AsStream(WriteBmp(Solid(60, 40, clGray), 24)));
  Folder.Write("left.htm", "<body bgcolor=#00FF00>left page");
  Viewer->OpenHtmlFile(Folder.Write("page.htm",
                                    R"(<img src=map.bmp usemap="#Two"><map name="two">)"
                                    R"(<area shape=rect coords="0,0,29,39" href="left.htm">)"
                                    R"(<area shape=rect coords="30,0,59,39" href="right.htm"></map>)"));
  Paint();
  std::u32string covered;
  Viewer->OnHotSpotCovered = [&](TriruRedu*, const std::u32string& url) { covered = url; };
  Panel().MoveMouse(10 + 45, 5 + 20);
  EXPECT_EQ(covered, U"right.htm");
  Panel().MoveMouse(10 + 5, 5 + 20);
  EXPECT_EQ(covered, U"left.htm");
  Panel().Click(mbLeft, 10 + 5, 5 + 20);
  Paint();
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("left.htm"));
  EXPECT_EQ(Panel().Surface().Pixel(300, 200), clLime);
}
