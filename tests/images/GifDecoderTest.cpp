// The GIF decoder on files the tests write themselves, checked pixel by pixel.
#include <gtest/gtest.h>

#include "html/images/GIFImage.h"
#include "tools/PictureFiles.h"

namespace {

const std::vector<TColor> Colors = {clBlack, clRed, clLime, clBlue, clWhite, clYellow, clAqua, clFuchsia};

// A width x height picture whose pixel (x, y) has index (x + 2y) % 8.
TGifFrameSpec Pattern(int width, int height) {
  TGifFrameSpec frame;
  frame.Width = width;
  frame.Height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) frame.Pixels.push_back(std::uint8_t((x + 2 * y) % 8));
  return frame;
}

TGifSpec OneFrame(const TGifFrameSpec& frame) {
  TGifSpec spec;
  spec.ScreenWidth = frame.Left + frame.Width;
  spec.ScreenHeight = frame.Top + frame.Height;
  spec.GlobalColors = Colors;
  spec.Frames = {frame};
  return spec;
}

// Every pixel of the composed picture against the pattern.
void ExpectPattern(const TBitmap& picture, int width, int height) {
  ASSERT_EQ(picture.Width(), width);
  ASSERT_EQ(picture.Height(), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(picture.Pixel(x, y), Colors[std::size_t((x + 2 * y) % 8)]) << x << "," << y;
}

}  // namespace

TEST(GifDecoderTest, DecodesEveryPixelOfAFrame) {
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(OneFrame(Pattern(13, 7)))));
  EXPECT_FALSE(gif.Empty());
  EXPECT_FALSE(gif.IsAnimated());
  EXPECT_EQ(gif.FrameCount(), 1);
  EXPECT_EQ(gif.LoopCount(), 1);
  EXPECT_EQ(gif.ColorBits(), 3);
  ExpectPattern(gif.Composed(), 13, 7);
  ExpectPattern(*gif.Frame(1).Picture, 13, 7);
}

TEST(GifDecoderTest, InterlacedEqualsItsNonInterlacedTwin) {
  for (const int height : {1, 2, 3, 5, 8, 9, 17, 30}) {
    TGifFrameSpec interlaced = Pattern(11, height);
    interlaced.Interlaced = true;
    TGIFImage gif, twin;
    ASSERT_TRUE(gif.Load(WriteGif(OneFrame(interlaced))));
    ASSERT_TRUE(twin.Load(WriteGif(OneFrame(Pattern(11, height)))));
    EXPECT_TRUE(gif.Frame(1).Interlaced);
    EXPECT_EQ(gif.Composed(), twin.Composed()) << height;
    ExpectPattern(gif.Composed(), 11, height);
  }
}

TEST(GifDecoderTest, LongRunsFillTheCodeTableAndClearIt) {
  // 200 x 200 of a pattern with long repeats needs every code width up to 12 and clears.
  TGifFrameSpec frame;
  frame.Width = frame.Height = 200;
  for (int i = 0; i < 200 * 200; ++i) frame.Pixels.push_back(std::uint8_t(i / 7 % 8 == 3 ? 1 : i % 3));
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(OneFrame(frame))));
  for (int i = 0; i < 200 * 200; ++i)
    ASSERT_EQ(gif.Composed().Pixel(i % 200, i / 200), Colors[frame.Pixels[std::size_t(i)]]) << i;
}

TEST(GifDecoderTest, LocalTableWinsOverTheGlobalOne) {
  TGifFrameSpec frame = SolidFrame(2, 2, 1);
  frame.LocalColors = {clWhite, clPurple};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(OneFrame(frame))));
  EXPECT_TRUE(gif.Frame(1).HasLocalColors);
  EXPECT_EQ(gif.Frame(1).ColorBits, 1);
  EXPECT_EQ(gif.Composed().Pixel(1, 1), clPurple);
}

TEST(GifDecoderTest, TransparentPixelsAreBlackInThePictureAndWhiteInTheMask) {
  TGifFrameSpec frame = Pattern(8, 4);
  frame.Control = true;
  frame.TransparentIndex = 2;
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(OneFrame(frame))));
  ASSERT_TRUE(gif.IsTransparent());
  EXPECT_EQ(gif.Frame(1).TransparentColor, clLime);
  const TBitmap* mask = gif.ComposedMask();
  ASSERT_NE(mask, nullptr);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool transparent = (x + 2 * y) % 8 == 2;
      EXPECT_EQ(mask->Pixel(x, y), transparent ? clWhite : clBlack) << x << "," << y;
      EXPECT_EQ(gif.Composed().Pixel(x, y),
                transparent ? clBlack : Colors[std::size_t((x + 2 * y) % 8)]);
    }
}

TEST(GifDecoderTest, DelaysDisposalsCommentsAndLoopCountAreRead) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 4;
  spec.GlobalColors = Colors;
  spec.LoopCount = 3;
  for (int i = 0; i < 4; ++i) {
    TGifFrameSpec frame = SolidFrame(4, 4, std::uint8_t(i + 1));
    frame.Control = true;
    frame.DelayHundredths = 10 * (i + 1);
    frame.Disposal = i;
    if (i == 1) frame.Comment = "second";
    spec.Frames.push_back(frame);
  }
  spec.Frames[3].Disposal = 6;  // an undefined value counts as 2
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  EXPECT_TRUE(gif.IsAnimated());
  EXPECT_EQ(gif.LoopCount(), 3);
  ASSERT_EQ(gif.FrameCount(), 4);
  EXPECT_EQ(gif.Frame(1).Delay, 100);
  EXPECT_EQ(gif.Frame(4).Delay, 400);
  EXPECT_EQ(gif.Frame(1).Disposal, 0);
  EXPECT_EQ(gif.Frame(2).Disposal, 1);
  EXPECT_EQ(gif.Frame(3).Disposal, 2);
  EXPECT_EQ(gif.Frame(4).Disposal, 2);
  EXPECT_EQ(gif.Frame(2).Comment, "second");
  EXPECT_EQ(gif.Frame(3).Comment, "");
}

TEST(GifDecoderTest, WithoutNetscapeExtensionItPlaysOnceAndLoopZeroIsEndless) {
  TGifSpec spec = OneFrame(SolidFrame(2, 2, 1));
  spec.Frames.push_back(SolidFrame(2, 2, 2));
  TGIFImage once, endless;
  ASSERT_TRUE(once.Load(WriteGif(spec)));
  EXPECT_EQ(once.LoopCount(), 1);
  spec.LoopCount = 0;
  ASSERT_TRUE(endless.Load(WriteGif(spec)));
  EXPECT_EQ(endless.LoopCount(), 0);
}

TEST(GifDecoderTest, AFrameBeyondTheLogicalScreenWidensIt) {
  TGifSpec spec = OneFrame(SolidFrame(4, 4, 1));
  spec.ScreenWidth = spec.ScreenHeight = 2;
  TGifFrameSpec far = SolidFrame(3, 2, 3);
  far.Left = 5;
  far.Top = 6;
  spec.Frames.push_back(far);
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  EXPECT_EQ(gif.ScreenWidth(), 8);
  EXPECT_EQ(gif.ScreenHeight(), 8);
}

TEST(GifDecoderTest, RestoreToBackgroundLeavesTransparencyOrBlack) {
  // Frame 1 paints 4 x 4 red with a corner; frame 2 (disposal 2) paints a 2 x 2 blue square;
  // frame 3 paints one lime pixel elsewhere. After frame 3 the square is gone.
  for (const bool transparent : {true, false}) {
    TGifSpec spec;
    spec.ScreenWidth = spec.ScreenHeight = 4;
    spec.GlobalColors = Colors;
    TGifFrameSpec first = SolidFrame(4, 4, 1);
    first.Control = true;
    if (transparent) first.TransparentIndex = 7;
    TGifFrameSpec square = SolidFrame(2, 2, 3);
    square.Left = square.Top = 1;
    square.Control = true;
    square.Disposal = 2;
    TGifFrameSpec dot = SolidFrame(1, 1, 2);
    spec.Frames = {first, square, dot};
    TGIFImage gif;
    ASSERT_TRUE(gif.Load(WriteGif(spec)));
    gif.SetCurrentFrame(2);
    EXPECT_EQ(gif.Composed().Pixel(1, 1), clBlue);
    gif.SetCurrentFrame(3);
    EXPECT_EQ(gif.Composed().Pixel(0, 0), clLime);
    EXPECT_EQ(gif.Composed().Pixel(1, 1), clBlack);
    EXPECT_EQ(gif.Composed().Pixel(3, 3), clRed);
    if (transparent) {
      EXPECT_EQ(gif.ComposedMask()->Pixel(1, 1), clWhite);
      EXPECT_EQ(gif.ComposedMask()->Pixel(3, 3), clBlack);
    } else {
      EXPECT_EQ(gif.ComposedMask(), nullptr);
    }
  }
}

TEST(GifDecoderTest, RestorePreviousPutsBackWhatLayUnder) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 3;
  spec.GlobalColors = Colors;
  TGifFrameSpec first = SolidFrame(3, 3, 1);
  TGifFrameSpec middle = SolidFrame(1, 3, 3);
  middle.Left = 1;
  middle.Control = true;
  middle.Disposal = 3;
  TGifFrameSpec corner = SolidFrame(1, 1, 5);
  spec.Frames = {first, middle, corner};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  gif.SetCurrentFrame(2);
  EXPECT_EQ(gif.Composed().Pixel(1, 2), clBlue);
  gif.SetCurrentFrame(3);
  EXPECT_EQ(gif.Composed().Pixel(1, 2), clRed);
  EXPECT_EQ(gif.Composed().Pixel(0, 0), clYellow);
  // Back to frame 1 the screen starts over.
  gif.SetCurrentFrame(4);
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(gif.Composed().Pixel(0, 0), clRed);
}

TEST(GifDecoderTest, ACopySharesTheFramesAndComposesOnItsOwnFromFrameOne) {
  // Red, then blue all over and put back (restore previous), then a yellow dot at the top left,
  // then an aqua one at the bottom right.
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 3;
  spec.GlobalColors = Colors;
  TGifFrameSpec cover = SolidFrame(3, 3, 3);
  cover.Control = true;
  cover.Disposal = 3;
  TGifFrameSpec aqua = SolidFrame(1, 1, 6);
  aqua.Left = aqua.Top = 2;
  spec.Frames = {SolidFrame(3, 3, 1), cover, SolidFrame(1, 1, 5), aqua};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  gif.SetCurrentFrame(2);
  const auto copy = gif.CreateCopy();
  EXPECT_TRUE(copy->IsCopy());
  EXPECT_EQ(copy->CurrentFrame(), 1);
  EXPECT_EQ(&copy->Frame(2), &gif.Frame(2));
  EXPECT_EQ(copy->Composed().Pixel(1, 1), clRed);
  EXPECT_EQ(gif.Composed().Pixel(1, 1), clBlue);
  // The copy covers a screen with an aqua dot; the original must still put back its own.
  copy->SetCurrentFrame(4);
  copy->SetCurrentFrame(2);
  gif.SetCurrentFrame(3);
  copy->SetCurrentFrame(3);
  EXPECT_EQ(gif.Composed().Pixel(2, 2), clRed);
  EXPECT_EQ(copy->Composed().Pixel(2, 2), clAqua);
  for (const TGIFImage* image : {&gif, copy.get()}) {
    EXPECT_EQ(image->Composed().Pixel(1, 1), clRed);
    EXPECT_EQ(image->Composed().Pixel(0, 0), clYellow);
  }
}

TEST(GifDecoderTest, AScanDescribesFramesWithoutPictures) {
  TGIFImage gif;
  ASSERT_TRUE(gif.Scan(WriteGif(OneFrame(Pattern(5, 5)))));
  EXPECT_TRUE(gif.ScanOnly());
  EXPECT_EQ(gif.FrameCount(), 1);
  EXPECT_EQ(gif.Frame(1).Picture, nullptr);
  EXPECT_TRUE(gif.Composed().IsEmpty());
}
