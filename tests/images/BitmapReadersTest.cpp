// The BMP reader, and JPEG and PNG through libjpeg and libpng, on files the tests make.
#include <gtest/gtest.h>

#include "html/images/BmpReader.h"
#include "html/images/ImageLoad.h"
#include "html/images/JpegReader.h"
#include "html/images/PngReader.h"
#include "platform/Bitmap.h"
#include "tests/images/PngSamples.h"
#include "tools/PictureFiles.h"

namespace {

// A picture with a different colour in each corner region and a few of its own.
TBitmap Sample(int width, int height, const std::vector<TColor>& colors) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, colors[std::size_t(x * 3 + y * 5) % colors.size()]);
  return picture;
}

// Within tolerance in each channel, for lossy JPEG.
bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

// A grey JPEG of 2 x 3 blocks of 8 x 8 pixels, A B / C D / E F from the top left, with an
// EXIF orientation in either byte order, as cameras write it (APP1 right after APP0).
TBytes Photo(int orientation, bool bigEndian) {
  TBitmap picture(16, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 16; ++x) {
      const auto level = std::uint8_t(20 + 40 * (y / 8 * 2 + x / 8));
      picture.SetPixel(x, y, Rgb(level, level, level));
    }
  TBytes jpeg = WriteJpeg(picture, true);
  const char order = bigEndian ? 'M' : 'I';
  TBytes exif = {'E', 'x', 'i', 'f', 0, 0, std::uint8_t(order), std::uint8_t(order)};
  const auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) exif.push_back(std::uint8_t(value >> 8 * (bigEndian ? size - 1 - i : i)));
  };
  put(42, 2), put(8, 4), put(2, 2);                          // the first directory: two entries
  put(0x0100, 2), put(3, 2), put(1, 4), put(16, 2), put(0, 2);  // the width, a short
  put(0x0112, 2), put(3, 2), put(1, 4), put(std::uint32_t(orientation), 2), put(0, 2);
  put(0, 4);                                                 // no next directory
  const std::size_t length = exif.size() + 2;
  TBytes segment = {0xFF, 0xE1, std::uint8_t(length >> 8), std::uint8_t(length)};
  segment.insert(segment.end(), exif.begin(), exif.end());
  const std::size_t afterApp0 = 4 + (std::size_t(jpeg[4]) << 8 | jpeg[5]);
  jpeg.insert(jpeg.begin() + std::ptrdiff_t(afterApp0), segment.begin(), segment.end());
  return jpeg;
}

void Put32(TBytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

}  // namespace

TEST(BmpReaderTest, ReadsEveryBitDepthBottomUpAndTopDown) {
  const std::vector<TColor> two = {clBlack, clWhite};
  const std::vector<TColor> sixteen = {clRed, clLime, clBlue, clYellow, clGray, clWhite, clNavy, clTeal, clMaroon, clOlive};
  for (const int bits : {1, 4, 8, 24, 32}) {
    for (const bool topDown : {false, true}) {
      const TBitmap picture = Sample(13, 6, bits == 1 ? two : sixteen);
      const auto read = ReadBmp(WriteBmp(picture, bits, topDown));
      ASSERT_NE(read, nullptr) << bits << " " << topDown;
      EXPECT_EQ(*read, picture) << bits << " bits, top-down " << topDown;
    }
  }
}

TEST(BmpReaderTest, SixteenBitsAreFiveBitsAChannel) {
  const TBitmap picture = Sample(5, 3, {Rgb(248, 0, 0), Rgb(0, 248, 8), Rgb(8, 16, 248)});
  const auto read = ReadBmp(WriteBmp(picture, 16));
  ASSERT_NE(read, nullptr);
  // Five bits scale back to eight: 31 -> 255, 1 -> 8, 2 -> 16.
  EXPECT_EQ(read->Pixel(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(read->Pixel(1, 1), Rgb(8, 16, 255));
  EXPECT_EQ(read->Pixel(4, 2), Rgb(0, 255, 8));
}

TEST(BmpReaderTest, ThirtyTwoBitsWithBitFields) {
  TBitmap picture(2, 1);
  picture.SetPixel(0, 0, Rgb(10, 20, 30));
  picture.SetPixel(1, 0, Rgb(200, 100, 50));
  TBytes bytes = WriteBmp(picture, 32);
  // Compression 3 with masks after the header, placing blue in the high byte.
  bytes[30] = 3;
  TBytes masks(12);
  Put32(masks, 0, 0x0000FF00);  // red
  Put32(masks, 4, 0x00FF0000);  // green
  Put32(masks, 8, 0xFF000000);  // blue
  bytes.insert(bytes.begin() + 54, masks.begin(), masks.end());
  Put32(bytes, 10, 54 + 12);
  // The pixel words, rewritten for the masks: 0xBBGGRR00.
  const std::size_t pixels = 54 + 12;
  Put32(bytes, pixels, 30u << 24 | 20u << 16 | 10u << 8);
  Put32(bytes, pixels + 4, 50u << 24 | 100u << 16 | 200u << 8);
  const auto read = ReadBmp(bytes);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Pixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(read->Pixel(1, 0), Rgb(200, 100, 50));
}

TEST(BmpReaderTest, RunLengthEightAndFour) {
  TBitmap palette(3, 1);
  palette.SetPixel(0, 0, clRed);
  palette.SetPixel(1, 0, clLime);
  palette.SetPixel(2, 0, clBlue);
  // RLE8, 6 x 3: row 0 (bottom) a run of 4 of index 1 and a literal of 2; row 1 skipped by a
  // delta; row 2 a run of 6 of index 2; end of bitmap.
  TBytes rle8 = WriteBmp(palette, 8);
  rle8.resize(54 + 12);  // header and the three palette entries
  Put32(rle8, 18, 6);
  Put32(rle8, 22, 3);
  rle8[30] = 1;
  const TBytes runs8 = {4, 1, 0, 3, 0, 2, 1, 0, 0, 0, 0, 2, 0, 1, 6, 2, 0, 1};
  rle8.insert(rle8.end(), runs8.begin(), runs8.end());
  const auto read8 = ReadBmp(rle8);
  ASSERT_NE(read8, nullptr);
  EXPECT_EQ(read8->Pixel(0, 2), clLime);
  EXPECT_EQ(read8->Pixel(3, 2), clLime);
  EXPECT_EQ(read8->Pixel(4, 2), clRed);
  EXPECT_EQ(read8->Pixel(5, 2), clBlue);
  EXPECT_EQ(read8->Pixel(2, 1), clRed);  // never set: entry 0
  EXPECT_EQ(read8->Pixel(5, 0), clBlue);

  // RLE4, 6 x 1: a run of 3 alternating indexes 1 and 2, a literal of 3 pixels (0, 2, 1).
  TBytes rle4 = WriteBmp(palette, 4);
  rle4.resize(54 + 12);
  Put32(rle4, 18, 6);
  Put32(rle4, 22, 1);
  rle4[30] = 2;
  const TBytes runs4 = {3, 0x12, 0, 3, 0x02, 0x10, 0, 1};
  rle4.insert(rle4.end(), runs4.begin(), runs4.end());
  const auto read4 = ReadBmp(rle4);
  ASSERT_NE(read4, nullptr);
  EXPECT_EQ(read4->Pixel(0, 0), clLime);
  EXPECT_EQ(read4->Pixel(1, 0), clBlue);
  EXPECT_EQ(read4->Pixel(2, 0), clLime);
  EXPECT_EQ(read4->Pixel(3, 0), clRed);
  EXPECT_EQ(read4->Pixel(4, 0), clBlue);
  EXPECT_EQ(read4->Pixel(5, 0), clLime);
}

TEST(BmpReaderTest, BrokenFilesGiveNothing) {
  const TBytes good = WriteBmp(Sample(7, 5, {clRed, clBlue}), 24);
  for (std::size_t length = 0; length < good.size(); ++length)
    EXPECT_EQ(ReadBmp(TImageBytes(good.data(), length)), nullptr) << length;
  TBytes huge = good;
  Put32(huge, 18, 70000);  // wider than any picture may be
  EXPECT_EQ(ReadBmp(huge), nullptr);
  TBytes odd = good;
  odd[28] = 7;  // no such bit count
  EXPECT_EQ(ReadBmp(odd), nullptr);
  TBytes jpegInside = good;
  jpegInside[30] = 4;
  EXPECT_EQ(ReadBmp(jpegInside), nullptr);
}

TEST(JpegReaderTest, RoundTripThroughLibjpeg) {
  TBitmap picture(32, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) picture.SetPixel(x, y, x < 16 ? Rgb(200, 30, 40) : Rgb(20, 60, 220));
  const auto read = ReadJpeg(WriteJpeg(picture));
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->Width(), 32);
  ASSERT_EQ(read->Height(), 16);
  EXPECT_TRUE(Near(read->Pixel(4, 4), Rgb(200, 30, 40), 12));
  EXPECT_TRUE(Near(read->Pixel(28, 12), Rgb(20, 60, 220), 12));

  TBitmap grey(8, 8);
  grey.Fill(Rgb(128, 128, 128));
  const auto readGrey = ReadJpeg(WriteJpeg(grey, true));
  ASSERT_NE(readGrey, nullptr);
  EXPECT_TRUE(Near(readGrey->Pixel(3, 3), Rgb(128, 128, 128), 3));
}

TEST(JpegReaderTest, BrokenDataGivesNothing) {
  TBitmap picture(8, 8);
  const TBytes good = WriteJpeg(picture);
  EXPECT_EQ(ReadJpeg(TImageBytes(good.data(), 2)), nullptr);
  EXPECT_EQ(ReadJpeg(TImageBytes(good.data(), 100)), nullptr);
  EXPECT_EQ(ReadJpeg(TBytes{0xFF, 0xD8, 0xFF, 0xD9}), nullptr);
  EXPECT_EQ(ReadJpeg(TBytes{}), nullptr);
}

TEST(JpegReaderTest, ExifOrientationTurnsThePhotoUpright) {
  // The blocks as shown, row by row, for each orientation.
  const std::vector<std::vector<std::string>> shown = {
      {"AB", "CD", "EF"},  // 1 as stored
      {"BA", "DC", "FE"},  // 2 mirrored
      {"FE", "DC", "BA"},  // 3 turned half round
      {"EF", "CD", "AB"},  // 4 flipped
      {"ACE", "BDF"},      // 5 mirrored along the main diagonal
      {"ECA", "FDB"},      // 6 turned a quarter clockwise
      {"FDB", "ECA"},      // 7 mirrored along the other diagonal
      {"BDF", "ACE"},      // 8 turned a quarter anticlockwise
  };
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const std::vector<std::string>& blocks = shown[std::size_t(orientation - 1)];
    for (const bool bigEndian : {false, true}) {
      const auto read = ReadJpeg(Photo(orientation, bigEndian));
      ASSERT_NE(read, nullptr) << orientation;
      ASSERT_EQ(read->Width(), int(blocks[0].size()) * 8) << orientation;
      ASSERT_EQ(read->Height(), int(blocks.size()) * 8) << orientation;
      for (std::size_t row = 0; row < blocks.size(); ++row)
        for (std::size_t column = 0; column < blocks[row].size(); ++column) {
          const int level = 20 + 40 * (blocks[row][column] - 'A');
          EXPECT_TRUE(Near(read->Pixel(int(column) * 8 + 4, int(row) * 8 + 4), Rgb(level, level, level), 6))
              << "orientation " << orientation << " block " << blocks[row][column];
        }
    }
  }
}

TEST(JpegReaderTest, BrokenOrAbsentExifLeavesThePhotoAsStored) {
  // An orientation out of range; a first directory past the end (the last byte of its offset,
  // after the APP1 length, "Exif\0\0" and four bytes of TIFF header); a segment not EXIF.
  TBytes cutShort = Photo(6, true), notExif = Photo(6, false);
  const std::size_t app1 = 4 + (std::size_t(cutShort[4]) << 8 | cutShort[5]);
  cutShort[app1 + 4 + 6 + 7] = 0xF0;
  notExif[app1 + 4] = 'X';
  for (const TBytes& jpeg : {Photo(9, false), cutShort, notExif}) {
    const auto read = ReadJpeg(jpeg);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), 16);
  }
}

TEST(PngReaderTest, RoundTripsOpaqueAlphaAndPalettePictures) {
  const TBitmap picture = Sample(9, 4, {clRed, clLime, clBlue, clYellow});
  const auto opaque = ReadPng(WritePng(picture));
  ASSERT_NE(opaque, nullptr);
  EXPECT_EQ(*opaque, picture);
  EXPECT_FALSE(opaque->HasAlpha());
  // The fast writer hands libpng the bitmap's own words.
  const auto fast = ReadPng(WriteFastPng(picture));
  ASSERT_NE(fast, nullptr);
  EXPECT_EQ(*fast, picture);

  // An alpha channel, and a palette with a transparent entry, both give alpha: 0 at the holes.
  TBitmap holes(9, 4, true);
  holes.SetPixel(2, 1, clWhite);
  holes.SetPixel(8, 3, clWhite);
  for (const bool palette : {false, true}) {
    const auto read = ReadPng(WritePng(picture, &holes, palette));
    ASSERT_NE(read, nullptr) << palette;
    ASSERT_TRUE(read->HasAlpha()) << palette;
    EXPECT_EQ(read->ScanLine(1)[2], 0u) << palette;
    EXPECT_EQ(read->Alpha(8, 3), 0) << palette;
    EXPECT_EQ(read->Alpha(0, 0), 255) << palette;
    EXPECT_EQ(read->Pixel(0, 0), picture.Pixel(0, 0)) << palette;
  }
  // An alpha channel that is opaque everywhere gives a plain picture.
  const TBitmap noHoles(9, 4, true);
  const auto solid = ReadPng(WritePng(picture, &noHoles));
  ASSERT_NE(solid, nullptr);
  EXPECT_FALSE(solid->HasAlpha());
  EXPECT_EQ(*solid, picture);
}

TEST(PngReaderTest, SixteenBitSamplesReadBackExactlyPlainAndInterlaced) {
  // Every sample is 257 v, v differing from pixel to pixel and channel to channel; 11 x 9
  // leaves every Adam7 pass some pixels. Grey and alpha: every third pixel opaque.
  const auto v = [](int x, int y, int channel) { return (x * 37 + y * 101 + channel * 53) % 256; };
  const auto alpha = [&v](int x, int y) { return x % 3 == 0 ? 255 : v(x, y, 1); };
  std::vector<int> rgb, greyAlpha;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 11; ++x) {
      rgb.insert(rgb.end(), {257 * v(x, y, 0), 257 * v(x, y, 1), 257 * v(x, y, 2)});
      greyAlpha.insert(greyAlpha.end(), {257 * v(x, y, 0), 257 * alpha(x, y)});
    }
  for (const bool adam7 : {false, true}) {
    const auto colours = ReadPng(WritePngSamples(11, 9, 16, PNG_COLOR_TYPE_RGB, adam7, rgb));
    const auto greys = ReadPng(WritePngSamples(11, 9, 16, PNG_COLOR_TYPE_GRAY_ALPHA, adam7, greyAlpha));
    ASSERT_TRUE(colours && greys) << adam7;
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 11; ++x) {
        const auto at = [&](int channel) { return std::uint8_t(v(x, y, channel)); };
        ASSERT_EQ(colours->Pixel(x, y), Rgb(at(0), at(1), at(2))) << x << "," << y << " " << adam7;
        ASSERT_EQ(greys->Alpha(x, y), alpha(x, y)) << x << "," << y << " " << adam7;
        if (x % 3 == 0) {
          ASSERT_EQ(greys->Pixel(x, y), Rgb(at(0), at(0), at(0))) << x << "," << y;
        }
      }
  }
}

TEST(PngReaderTest, BrokenDataGivesNothing) {
  const TBytes good = WritePng(Sample(6, 6, {clRed, clBlue}));
  for (const std::size_t length : {std::size_t(0), std::size_t(8), std::size_t(30), good.size() - 13})
    EXPECT_EQ(ReadPng(TImageBytes(good.data(), length)), nullptr) << length;
  TBytes corrupt = good;
  corrupt[corrupt.size() / 2] ^= 0x55;
  EXPECT_EQ(ReadPng(corrupt), nullptr);
}

TEST(ImageKindTest, KnownByTheFirstBytes) {
  EXPECT_EQ(ImageKindOf(TBytes{'G', 'I', 'F', '8', '7', 'a'}), ikGif87);
  EXPECT_EQ(ImageKindOf(TBytes{'G', 'I', 'F', '8', '9', 'a'}), ikGif89);
  EXPECT_EQ(ImageKindOf(TBytes{'G', 'I', 'F', '8'}), ikGif87);
  EXPECT_EQ(ImageKindOf(TBytes{'B', 'M', 0}), ikBmp);
  EXPECT_EQ(ImageKindOf(TBytes{0x89, 'P', 'N', 'G'}), ikPng);
  EXPECT_EQ(ImageKindOf(TBytes{0xFF, 0xD8, 0xFF}), ikJpeg);
  EXPECT_EQ(ImageKindOf(TBytes{'<', 'h', 't'}), ikUnknown);
  EXPECT_EQ(ImageKindOf(TBytes{}), ikUnknown);
}
