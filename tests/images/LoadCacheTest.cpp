// Loading pictures from files and from a host, the shared cache's ageing and limits, and the
// transparency masks the loader makes.
#include <gtest/gtest.h>

#include "html/images/GIFImage.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageLoad.h"
#include "html/images/ImageSource.h"
#include "platform/Bitmap.h"
#include "tests/images/ImageFixture.h"
#include "tests/viewer/ViewerFixture.h"

namespace {

TBytes Picture(TColor color) { return WriteBmp(Solid(6, 4, color), 24); }

TBytes OneFrameGif(bool transparent) {
  TGifSpec spec;
  spec.ScreenWidth = 3;
  spec.ScreenHeight = 2;
  spec.GlobalColors = {clWhite, clNavy};
  TGifFrameSpec frame = SolidFrame(3, 2, 1);
  frame.Pixels[0] = 0;
  frame.Control = transparent;
  frame.TransparentIndex = transparent ? 0 : -1;
  spec.Frames = {frame};
  return WriteGif(spec);
}

class LoadTest : public ::testing::Test {
 protected:
  TStreamSource Source;
  TTempFolder Folder;

  void SetUp() override {
    ImageCache().Clear();
    ImageCache().MaxCache = 4;
  }
  void TearDown() override { ImageCache().Clear(); }

  TLoadedImage Load(const std::u32string& name, TTransparency transparency = trNone) {
    return LoadImage(&Source, name, transparency);
  }
  TLoadedImage LoadFile(const std::string& name, TTransparency& transparency) {
    return LoadImage(nullptr, std::u32string(name.begin(), name.end()), transparency);
  }
  void Release(const TLoadedImage& loaded) { ImageCache().ReleaseImage(loaded.Key); }
};

}  // namespace

TEST_F(LoadTest, AGifIsKnownByItsBytesWhateverItsNameSays) {
  const std::string named = Folder.Write("picture.jpg", AsStream(OneFrameGif(false)));
  const std::string bare = Folder.Write("picture", AsStream(OneFrameGif(false)));
  for (const std::string& name : {named, bare}) {
    TTransparency transparency = trNone;
    const TLoadedImage loaded = LoadFile(name, transparency);
    ASSERT_NE(loaded.Picture.Bitmap, nullptr) << name;
    EXPECT_EQ(loaded.Picture.Bitmap->Pixel(2, 1), clNavy);
  }
  const std::string png = Folder.Write("a.gif", AsStream(WritePng(Solid(2, 2, clTeal))));
  TTransparency transparency = trNone;
  ASSERT_NE(LoadFile(png, transparency).Picture.Bitmap, nullptr);
  EXPECT_EQ(ImageCache().Count(), 3u);
}

TEST_F(LoadTest, MissingAndUnknownFilesGiveNothing) {
  TTransparency transparency = trNone;
  EXPECT_TRUE(LoadFile(Folder.Name("none.gif"), transparency).Picture.Empty());
  EXPECT_TRUE(LoadFile(Folder.Write("text.gif", "GIF? no, text"), transparency).Picture.Empty());
  EXPECT_TRUE(LoadFile(Folder.Path.string(), transparency).Picture.Empty());  // a folder
  EXPECT_EQ(ImageCache().Count(), 0u);
}

TEST_F(LoadTest, AnAnimatedGifStaysAGifAndASingleFrameBecomesABitmap) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 2;
  spec.GlobalColors = {clRed, clBlue};
  spec.Frames = {SolidFrame(2, 2, 0), SolidFrame(2, 2, 1)};
  Source.Streams[U"anim"] = AsStream(WriteGif(spec));
  Source.Streams[U"still"] = AsStream(OneFrameGif(false));
  const TLoadedImage anim = Load(U"anim");
  ASSERT_NE(anim.Picture.Gif, nullptr);
  EXPECT_EQ(anim.Mask, nullptr);
  EXPECT_EQ(anim.Picture.Width(), 2);
  const TLoadedImage still = Load(U"still");
  ASSERT_NE(still.Picture.Bitmap, nullptr);
  EXPECT_EQ(still.Picture.Height(), 2);
}

TEST_F(LoadTest, ATransparentSingleFrameGifIsCachedWithItsMaskAsTrGif) {
  Source.Streams[U"g"] = AsStream(OneFrameGif(true));
  TTransparency transparency = trNone;
  const TLoadedImage first = LoadImage(&Source, U"g", transparency);
  EXPECT_EQ(transparency, trGif);
  ASSERT_NE(first.Mask, nullptr);
  EXPECT_EQ(first.Mask->Pixel(0, 0), clWhite);
  EXPECT_EQ(first.Mask->Pixel(1, 0), clBlack);
  transparency = trLowerLeft;
  const TLoadedImage again = LoadImage(&Source, U"g", transparency);
  EXPECT_TRUE(again.FromCache);
  EXPECT_EQ(transparency, trGif);
  EXPECT_EQ(again.Mask, first.Mask);
  EXPECT_EQ(Source.Requests[U"g"], 1);
}

TEST_F(LoadTest, TranspOnACachedPictureMakesItsMaskOnTheCacheHit) {
  TBitmap picture = Solid(4, 4, clRed);
  picture.SetPixel(0, 3, clYellow);
  picture.SetPixel(2, 1, clYellow);
  Source.Streams[U"p"] = AsStream(WriteBmp(picture, 24));
  const TLoadedImage plain = Load(U"p");
  EXPECT_EQ(plain.Mask, nullptr);
  EXPECT_EQ(ImageCache().Find(U"p")->Transparency, trNone);
  TTransparency transparency = trLowerLeft;
  const TLoadedImage masked = LoadImage(&Source, U"p", transparency);
  ASSERT_NE(masked.Mask, nullptr);
  EXPECT_EQ(masked.Mask->Pixel(2, 1), clWhite);
  EXPECT_EQ(masked.Mask->Pixel(1, 1), clBlack);
  EXPECT_EQ(ImageCache().Find(U"p")->Transparency, trLowerLeft);
  EXPECT_EQ(transparency, trLowerLeft);
  // The picture to draw through the mask is cut once, for every image that asks, also when
  // it is decoded for TRANSP.
  ASSERT_NE(masked.Cut, nullptr);
  EXPECT_EQ(masked.Cut->Pixel(2, 1), clBlack);
  EXPECT_EQ(masked.Cut->Pixel(1, 1), clRed);
  EXPECT_EQ(masked.Picture.Bitmap->Pixel(2, 1), clYellow);
  EXPECT_EQ(LoadImage(&Source, U"p", transparency).Cut, masked.Cut);
  Source.Streams[U"q"] = AsStream(WriteBmp(picture, 24));
  EXPECT_EQ(LoadImage(&Source, U"q", transparency).Cut->Pixel(0, 3), clBlack);
}

TEST_F(LoadTest, ShortStreamsAndJpegStreamsFollowTheStreamRules) {
  TBytes nineteen = Picture(clRed);
  nineteen.resize(19);
  Source.Streams[U"short"] = AsStream(nineteen);
  EXPECT_TRUE(Load(U"short").Picture.Empty());
  Source.Streams[U"empty"] = "";
  EXPECT_TRUE(Load(U"empty").Picture.Empty());
  EXPECT_TRUE(Load(U"unanswered").Picture.Empty());

  Source.Streams[U"j"] = AsStream(WriteJpeg(Solid(8, 8, clGreen)));
  TTransparency transparency = trLowerLeft;
  const TLoadedImage jpeg = LoadImage(&Source, U"j", transparency);
  ASSERT_NE(jpeg.Picture.Bitmap, nullptr);
  EXPECT_EQ(jpeg.Mask, nullptr);
  EXPECT_EQ(transparency, trNone);
  // From a file, TRANSP gives a JPEG its mask.
  transparency = trLowerLeft;
  const TLoadedImage file = LoadFile(Folder.Write("j.jpg", AsStream(WriteJpeg(Solid(8, 8, clGreen)))), transparency);
  EXPECT_NE(file.Mask, nullptr);
}

TEST_F(LoadTest, AWaitingHostDelaysThePictureAndNothingIsCached) {
  Source.Waiting = true;
  const TLoadedImage loaded = Load(U"later");
  EXPECT_TRUE(loaded.Delayed);
  EXPECT_TRUE(loaded.Picture.Empty());
  EXPECT_TRUE(loaded.Key.empty());
  EXPECT_EQ(ImageCache().Count(), 0u);
}

TEST_F(LoadTest, APngWithTransparencyOfItsOwnIsTrPngWithAlphaAndNoMask) {
  TBitmap holes(3, 3, true);
  holes.SetPixel(1, 1, clWhite);
  Source.Streams[U"n"] = AsStream(WritePng(Solid(3, 3, clPurple), &holes, true));
  for (int time = 0; time < 2; ++time) {  // decoded, then from the cache
    TTransparency transparency = trLowerLeft;
    const TLoadedImage loaded = LoadImage(&Source, U"n", transparency);
    EXPECT_EQ(transparency, trAlpha);
    EXPECT_EQ(loaded.Mask, nullptr);
    ASSERT_TRUE(loaded.Picture.Bitmap->HasAlpha());
    EXPECT_EQ(loaded.Picture.Bitmap->Alpha(1, 1), 0);
    EXPECT_EQ(loaded.Picture.Bitmap->Pixel(0, 0), clPurple);
  }
}

TEST_F(LoadTest, PicturesBeyondThePixelLimitAreRefused) {
  // A BMP header claiming 5000 x 4000 pixels.
  TBytes big = Picture(clRed);
  big[18] = 0x88;
  big[19] = 0x13;
  big[22] = 0xA0;
  big[23] = 0x0F;
  Source.Streams[U"big"] = AsStream(big);
  EXPECT_TRUE(Load(U"big").Picture.Empty());
}

TEST_F(LoadTest, KeysDropSurroundingBlanksAndKeepLetterCase) {
  Source.Streams[U" p "] = AsStream(Picture(clRed));
  const TLoadedImage loaded = Load(U" p ");
  EXPECT_EQ(loaded.Key, U"p");
  Source.Streams[U"P"] = AsStream(Picture(clBlue));
  EXPECT_FALSE(Load(U"P").FromCache);
  EXPECT_TRUE(Load(U"\tp").FromCache);
}

TEST_F(LoadTest, EntriesAgeWithEveryDocumentAndGoWhenNobodyHoldsThem) {
  Source.Streams[U"a"] = AsStream(Picture(clRed));
  Source.Streams[U"b"] = AsStream(Picture(clBlue));
  const TLoadedImage a = Load(U"a");
  const TLoadedImage b = Load(U"b");
  EXPECT_EQ(ImageCache().Find(U"a")->Users, 1);
  Release(a);  // b stays held
  ImageCache().MaxCache = 2;
  ImageCache().AgeAndPurge();
  ImageCache().AgeAndPurge();
  EXPECT_EQ(ImageCache().Count(), 2u);  // age 2 is not above 2
  ImageCache().AgeAndPurge();
  EXPECT_EQ(ImageCache().Find(U"a"), nullptr);
  ASSERT_NE(ImageCache().Find(U"b"), nullptr);  // in use, however old
  // Taking an entry makes it young again.
  Release(Load(U"b"));
  EXPECT_EQ(ImageCache().Find(U"b")->Age, 0);
}

TEST_F(LoadTest, WithMaxCacheZeroOnlyHeldEntriesSurviveADocumentChange) {
  Source.Streams[U"a"] = AsStream(Picture(clRed));
  ImageCache().MaxCache = 0;
  Release(Load(U"a"));
  ImageCache().AgeAndPurge();
  EXPECT_EQ(ImageCache().Count(), 0u);
}

TEST_F(LoadTest, ALowerLimitFreesOldUnheldEntriesAtOnce) {
  Source.Streams[U"old"] = AsStream(Picture(clRed));
  Source.Streams[U"held"] = AsStream(Picture(clRed));
  Source.Streams[U"new"] = AsStream(Picture(clRed));
  Release(Load(U"old"));
  const TLoadedImage held = Load(U"held");
  ImageCache().AgeAndPurge();
  ImageCache().AgeAndPurge();
  Release(Load(U"new"));
  ImageCache().SetCacheLimit(1);
  EXPECT_EQ(ImageCache().MaxCache, 1);
  EXPECT_EQ(ImageCache().Find(U"old"), nullptr);
  EXPECT_NE(ImageCache().Find(U"held"), nullptr);
  EXPECT_NE(ImageCache().Find(U"new"), nullptr);
  EXPECT_EQ(ImageCache().Find(U"held")->Age, 2);  // ages stay
  ImageCache().PurgeUnused();
  EXPECT_EQ(ImageCache().Count(), 1u);
}

TEST(TransparencyMaskTest, WhiteWhereTheColourIs) {
  TBitmap picture = Solid(3, 2, clRed);
  picture.SetPixel(0, 1, clBlue);
  picture.SetPixel(2, 0, clBlue);
  const auto fromCorner = MakeTransparencyMask(picture);
  ASSERT_NE(fromCorner, nullptr);
  EXPECT_TRUE(fromCorner->Monochrome());
  EXPECT_EQ(fromCorner->Pixel(2, 0), clWhite);
  EXPECT_EQ(fromCorner->Pixel(1, 0), clBlack);
  const auto fromRed = MakeTransparencyMask(picture, true, clRed);
  EXPECT_EQ(fromRed->Pixel(1, 0), clWhite);
  EXPECT_EQ(fromRed->Pixel(0, 1), clBlack);
  EXPECT_EQ(MakeTransparencyMask(TBitmap(0, 0)), nullptr);
}

TEST(DrawMaskedTest, LeavesTheCanvasWhereTheMaskIsWhiteAndScales) {
  THeadlessGraphics graphics;
  TBitmap surface = Solid(6, 6, clYellow);
  auto canvas = graphics.CanvasFor(surface);
  TBitmap image = Solid(2, 2, clBlue);
  TBitmap mask(2, 2, true);
  mask.SetPixel(1, 1, clWhite);
  image.SetPixel(1, 1, clBlack);  // cut where the mask is white
  DrawMasked(*canvas, image, mask, 4, 4, 1, 1);
  EXPECT_EQ(surface.Pixel(1, 1), clBlue);
  EXPECT_EQ(surface.Pixel(2, 4), clBlue);
  EXPECT_EQ(surface.Pixel(3, 3), clYellow);
  EXPECT_EQ(surface.Pixel(4, 4), clYellow);
  EXPECT_EQ(surface.Pixel(5, 5), clYellow);
}
