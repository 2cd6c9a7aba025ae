// The GIF decoder on broken and hostile data: every case gives the designed result, and the
// sanitizers of ./test.sh see no read outside the data and no leak.
#include <gtest/gtest.h>

#include "html/images/GIFImage.h"
#include "tools/PictureFiles.h"

namespace {

const std::vector<TColor> Colors = {clMaroon, clRed, clLime, clBlue};

TBytes Animated() {
  TGifSpec spec;
  spec.ScreenWidth = 9;
  spec.ScreenHeight = 9;
  spec.GlobalColors = Colors;
  spec.LoopCount = 2;
  for (int i = 0; i < 3; ++i) {
    TGifFrameSpec frame;
    frame.Width = frame.Height = 9 - i;
    for (int p = 0; p < frame.Width * frame.Height; ++p) frame.Pixels.push_back(std::uint8_t(p * 7 / 5 % 4));
    frame.Interlaced = i == 1;
    frame.Control = true;
    frame.TransparentIndex = i == 2 ? 3 : -1;
    frame.Disposal = i + 1;
    frame.Comment = "frame";
    spec.Frames.push_back(frame);
  }
  return WriteGif(spec);
}

// A GIF of one width x height frame whose image data is the given codes.
TBytes WithCodes(int width, int height, int minCodeSize, const TBytes& codes, int transparent = -1) {
  TGifFrameSpec frame;
  frame.Width = width;
  frame.Height = height;
  frame.RawCodes = true;
  frame.MinCodeSize = minCodeSize;
  frame.Codes = codes;
  frame.Control = transparent >= 0;
  frame.TransparentIndex = transparent;
  TGifSpec spec;
  spec.ScreenWidth = width;
  spec.ScreenHeight = height;
  spec.GlobalColors = Colors;
  spec.Frames = {frame};
  return WriteGif(spec);
}

}  // namespace

TEST(GifMalformedTest, DataThatIsNoGifIsRefused) {
  TGIFImage gif;
  EXPECT_FALSE(gif.Load(TBytes{'G', 'I', 'X', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}));
  EXPECT_TRUE(gif.Empty());
  EXPECT_FALSE(gif.Load(TBytes{}));
  EXPECT_FALSE(gif.Load(TBytes{'G', 'I', 'F'}));
}

TEST(GifMalformedTest, AGifWithoutImagesIsRefused) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 5;
  spec.GlobalColors = Colors;
  TGIFImage gif;
  EXPECT_FALSE(gif.Load(WriteGif(spec)));
}

TEST(GifMalformedTest, TruncatedAtEveryByteKeepsTheFramesReadSoFar) {
  const TBytes whole = Animated();
  TGIFImage full;
  ASSERT_TRUE(full.Load(whole));
  ASSERT_EQ(full.FrameCount(), 3);
  int lastCount = 0;
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    const TBytes part(whole.begin(), whole.begin() + std::ptrdiff_t(length));
    TGIFImage gif;
    const bool read = gif.Load(part);
    if (!read) {
      EXPECT_TRUE(gif.Empty());
      EXPECT_EQ(lastCount, 0) << "a longer prefix lost its frames at " << length;
      continue;
    }
    EXPECT_GE(gif.FrameCount(), lastCount) << length;
    lastCount = gif.FrameCount();
    EXPECT_EQ(gif.Composed().Width(), gif.ScreenWidth());
    // Each prefix also steps through all its frames.
    for (int n = 2; n <= gif.FrameCount() + 1; ++n) gif.SetCurrentFrame(n);
  }
  EXPECT_EQ(lastCount, 3);
}

TEST(GifMalformedTest, PixelsTheDataNeverReachesAreColourZeroOrTransparent) {
  // Two pixels of index 1, then the end code: clear (4), 1, 1, end (5) at 3 bits each.
  const TBytes codes = {0x4C, 0x0A};
  TGIFImage opaque, transparent;
  ASSERT_TRUE(opaque.Load(WithCodes(4, 2, 2, codes)));
  EXPECT_EQ(opaque.Composed().Pixel(0, 0), clRed);
  EXPECT_EQ(opaque.Composed().Pixel(1, 0), clRed);
  EXPECT_EQ(opaque.Composed().Pixel(2, 0), clMaroon);
  EXPECT_EQ(opaque.Composed().Pixel(3, 1), clMaroon);
  ASSERT_TRUE(transparent.Load(WithCodes(4, 2, 2, codes, 3)));
  EXPECT_EQ(transparent.ComposedMask()->Pixel(0, 0), clBlack);
  EXPECT_EQ(transparent.ComposedMask()->Pixel(2, 0), clWhite);
  EXPECT_EQ(transparent.ComposedMask()->Pixel(3, 1), clWhite);
}

TEST(GifMalformedTest, WrongCodeSizesDecodeNothingButTheFrameCounts) {
  for (const int size : {0, 12, 13, 255}) {
    TGIFImage gif;
    ASSERT_TRUE(gif.Load(WithCodes(3, 3, size, {0xFF, 0x00, 0x13, 0x77}))) << size;
    EXPECT_EQ(gif.FrameCount(), 1);
    EXPECT_EQ(gif.Composed().Pixel(2, 2), clMaroon);
  }
}

TEST(GifMalformedTest, ACodePastTheTableEndsTheFrame) {
  // clear (4), 2, then 7 while the next free code is 6: decoding stops after one pixel.
  const TBytes codes = {0xD4, 0x01};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WithCodes(3, 1, 2, codes)));
  EXPECT_EQ(gif.Composed().Pixel(0, 0), clLime);
  EXPECT_EQ(gif.Composed().Pixel(1, 0), clMaroon);
  // A first code that is a table code is refused the same way.
  TGIFImage first;
  ASSERT_TRUE(first.Load(WithCodes(3, 1, 2, {0x34})));  // clear, then 6
  EXPECT_EQ(first.Composed().Pixel(0, 0), clMaroon);
}

TEST(GifMalformedTest, MoreDataThanPixelsIsIgnored) {
  std::vector<std::uint8_t> indexes(50, 2);
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WithCodes(2, 2, 2, LzwEncode(indexes, 2))));
  EXPECT_EQ(gif.Composed().Pixel(1, 1), clLime);
}

TEST(GifMalformedTest, HugeClaimedSizesAreRefusedBeforeAnythingIsAllocated) {
  // A 65535 x 65535 screen in a few bytes.
  TBytes huge = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0, 0x3B};
  TGIFImage gif;
  EXPECT_FALSE(gif.Load(huge));
  EXPECT_FALSE(gif.Scan(huge));
  // A frame of 65535 x 65535 on a small screen widens it beyond the limit.
  TBytes wide = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0,
                 0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 2, 0x4C, 0x01, 0, 0x3B};
  EXPECT_FALSE(gif.Load(wide));
  // 4000 x 4000 passes the size limit but not the budget of 29 bytes of data.
  TBytes claims = {'G', 'I', 'F', '8', '9', 'a', 0xA0, 0x0F, 0xA0, 0x0F, 0, 0, 0,
                   0x2C, 0, 0, 0, 0, 0xA0, 0x0F, 0xA0, 0x0F, 0, 2, 2, 0x4C, 0x01, 0, 0x3B};
  EXPECT_FALSE(gif.Load(claims));
  EXPECT_TRUE(gif.Empty());
  // A logical screen beyond its one small frame is read within the budget's floor.
  TBytes roomy = claims;
  roomy[6] = roomy[8] = 200;
  roomy[7] = roomy[9] = 0;
  roomy[18] = roomy[20] = 1;
  roomy[19] = roomy[21] = 0;
  ASSERT_TRUE(gif.Load(roomy));
  EXPECT_EQ(gif.ScreenWidth(), 200);
  // The same picture with the data to justify it is read.
  std::vector<std::uint8_t> indexes(std::size_t(1000) * 1000, 1);
  EXPECT_TRUE(gif.Load(WithCodes(1000, 1000, 2, LzwEncode(indexes, 2))));
  EXPECT_EQ(gif.Composed().Pixel(999, 999), clRed);
}

TEST(GifMalformedTest, ThreeHundredFramesKeepTheFirst256) {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 1;
  spec.GlobalColors = Colors;
  for (int i = 0; i < 300; ++i) spec.Frames.push_back(SolidFrame(1, 1, std::uint8_t(i % 4)));
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(WriteGif(spec)));
  EXPECT_EQ(gif.FrameCount(), MaxGifFrames);
  gif.SetCurrentFrame(256);
  EXPECT_EQ(gif.Composed().Pixel(0, 0), Colors[255 % 4]);
}

TEST(GifMalformedTest, AnUnknownExtensionEndsTheParseAfterTheFramesBeforeIt) {
  TBytes bytes = WriteGif([] {
    TGifSpec spec;
    spec.ScreenWidth = spec.ScreenHeight = 2;
    spec.GlobalColors = Colors;
    spec.Frames = {SolidFrame(2, 2, 1)};
    return spec;
  }());
  bytes.pop_back();  // the trailer
  const TBytes second = WriteGif([] {
    TGifSpec spec;
    spec.ScreenWidth = spec.ScreenHeight = 2;
    spec.Frames = {SolidFrame(2, 2, 2)};
    return spec;
  }());
  bytes.insert(bytes.end(), {0x21, 0x42, 1, 0, 0});
  bytes.insert(bytes.end(), second.begin() + 13, second.end());
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(bytes));
  EXPECT_EQ(gif.FrameCount(), 1);
}

TEST(GifMalformedTest, FramesWithoutPixelsAndWithoutData) {
  // A frame of width 0 and a frame whose data is missing altogether.
  TBytes bytes = {'G', 'I', 'F', '8', '7', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF,
                  0x2C, 0, 0, 0, 0, 0, 0, 2, 0, 0, 2, 2, 0x4C, 0x01, 0,
                  0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0};
  TGIFImage gif;
  ASSERT_TRUE(gif.Load(bytes));
  EXPECT_EQ(gif.FrameCount(), 2);
  gif.SetCurrentFrame(2);
  EXPECT_EQ(gif.Composed().Pixel(1, 1), clRed);  // colour 0 of the global table
}
