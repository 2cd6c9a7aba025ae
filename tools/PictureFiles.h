#pragma once
// Writing pictures: GIF files from a description (with our own LZW encoder, so every byte is
// known), BMP files of every bit depth, and JPEG and PNG files through libjpeg and libpng. The
// tests, the benchmarks and tamblin-dump make their image data with these.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Color.h"

class TBitmap;

using TBytes = std::vector<std::uint8_t>;

struct TGifFrameSpec {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // colour indexes, row by row from the top
  std::vector<TColor> LocalColors;   // a local colour table; empty for none
  bool Interlaced = false;
  // The graphic control extension, written when Control is set.
  bool Control = false;
  int Disposal = 0;
  int DelayHundredths = 0;
  int TransparentIndex = -1;  // -1: no transparent colour
  std::string Comment;        // a comment extension before the image, when not empty
  // Image data as given instead of encoded from Pixels, when RawCodes is set.
  bool RawCodes = false;
  int MinCodeSize = 0;  // 0: chosen from the table size
  std::vector<std::uint8_t> Codes;  // the code bytes before they are cut into sub-blocks
};

struct TGifSpec {
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  std::vector<TColor> GlobalColors;  // empty for none; padded to a power of two
  int LoopCount = -1;                // -1: no NETSCAPE2.0 extension
  std::vector<TGifFrameSpec> Frames;
};

TBytes WriteGif(const TGifSpec& spec);
// LZW codes for the indexes at this minimum code size, packed LSB first (a clear code first,
// another whenever the table fills, an end code last).
TBytes LzwEncode(const std::vector<std::uint8_t>& indexes, int minCodeSize);
// A frame covering width x height with every pixel of one index.
TGifFrameSpec SolidFrame(int width, int height, std::uint8_t index);

// A BMP file of the picture at bits 1, 4, 8 (through a palette built from its colours), 16,
// 24 or 32 per pixel; bottom-up unless topDown.
TBytes WriteBmp(const TBitmap& picture, int bits, bool topDown = false);

// A JPEG file of the picture (quality 95; grey-scale when grey is set).
TBytes WriteJpeg(const TBitmap& picture, bool grey = false);
// A PNG file of the picture: 8-bit RGBA with alpha 0 where mask is white, or RGB without a
// mask; or, with palette, a colour-mapped PNG whose entry of the masked pixels is transparent.
// libjpeg and libpng failures raise std::runtime_error.
TBytes WritePng(const TBitmap& picture, const TBitmap* mask = nullptr, bool palette = false);
// A PNG file of a colour picture as 8-bit RGB, packed for speed rather than size: a screen of
// page is mostly runs of one colour, which the fastest compression packs nearly as small as
// the slowest.
TBytes WriteFastPng(const TBitmap& picture);

// The bytes as text, for a host's image stream.
std::string AsStream(const TBytes& bytes);
// Writes bytes to a file; false when it cannot be made or written.
bool WriteFile(const std::string& name, const TBytes& bytes);
