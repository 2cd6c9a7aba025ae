// Decoding one GIF frame: LZW with variable code width (GIF89a), interlaced rows, colour
// tables and the transparent colour, into the frame's picture and mask.
#include <algorithm>
#include <array>
#include <vector>

#include "html/images/GIFImage.h"
#include "html/images/ScreenColors.h"

namespace {

constexpr int MaxCodeBits = 12;
constexpr int TableSize = 1 << MaxCodeBits;

// Row number for each row of output, in the order the data delivers them: top to bottom, or
// for an interlaced frame rows 0, 8, 16 ...; 4, 12 ...; 2, 6 ...; 1, 3 ....
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(std::size_t(height));
  if (!interlaced) {
    for (int row = 0; row < height; ++row) order.push_back(row);
    return order;
  }
  constexpr std::array<std::array<int, 2>, 4> passes = {{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
  for (const auto& [start, step] : passes)
    for (int row = start; row < height; row += step) order.push_back(row);
  return order;
}

// The code bytes of the frame's sub-blocks, joined; reading stops at the data's end.
std::vector<std::uint8_t> JoinSubBlocks(TImageBytes data, std::size_t pos) {
  std::vector<std::uint8_t> bytes;
  while (pos < data.size()) {
    const std::size_t length = data[pos++];
    if (length == 0) break;
    const std::size_t taken = std::min(length, data.size() - pos);
    bytes.insert(bytes.end(), data.begin() + std::ptrdiff_t(pos),
                 data.begin() + std::ptrdiff_t(pos + taken));
    pos += taken;
  }
  return bytes;
}

// Feeds every pixel value the LZW codes spell to emit, until emit answers false (the frame is
// full), an end code, data that runs out, or a code that is neither in the table nor the next
// one to be made. A minimum code size outside 1..11 spells nothing.
template <typename TEmit>
void DecodeLzw(int minCodeSize, const std::vector<std::uint8_t>& codes, TEmit emit) {
  if (minCodeSize < 1 || minCodeSize > MaxCodeBits - 1) return;
  const int clear = 1 << minCodeSize, end = clear + 1;
  std::array<std::uint16_t, TableSize> prefix{};
  std::array<std::uint16_t, TableSize> suffix{};
  std::array<std::uint16_t, TableSize + 1> stack{};
  int width = minCodeSize + 1, next = clear + 2, old = -1, first = 0;
  std::uint32_t bits = 0;
  int bitCount = 0;
  std::size_t bytePos = 0;
  for (;;) {
    while (bitCount < width) {
      if (bytePos >= codes.size()) return;
      bits |= std::uint32_t(codes[bytePos++]) << bitCount;
      bitCount += 8;
    }
    int code = int(bits & ((1u << width) - 1));
    bits >>= width;
    bitCount -= width;
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      old = -1;
      continue;
    }
    if (code == end) return;
    if (old < 0) {
      if (code > clear) return;  // a first code must be a pixel value
      first = code;
      old = code;
      if (!emit(code)) return;
      continue;
    }
    if (code > next || (code == next && next >= TableSize)) return;
    const int incoming = code;
    int depth = 0;
    if (code == next) {
      stack[std::size_t(depth++)] = std::uint16_t(first);
      code = old;
    }
    while (code > end) {
      stack[std::size_t(depth++)] = suffix[std::size_t(code)];
      code = prefix[std::size_t(code)];
    }
    first = code;
    stack[std::size_t(depth++)] = std::uint16_t(first);
    while (depth > 0)
      if (!emit(stack[std::size_t(--depth)])) return;
    if (next < TableSize) {
      prefix[std::size_t(next)] = std::uint16_t(old);
      suffix[std::size_t(next)] = std::uint16_t(first);
      ++next;
      if (next == 1 << width && width < MaxCodeBits) ++width;
    }
    old = incoming;
  }
}

}  // namespace

void TGIFImage::Decode(TImageBytes data, TFrame& frame) const {
  const int width = frame.Width, height = frame.Height;
  frame.Picture = std::make_unique<TBitmap>(width, height);
  if (frame.HasTransparency) frame.Mask = std::make_unique<TBitmap>(width, height, true);
  if (width == 0 || height == 0) return;

  const std::uint8_t* colors = ColorsOf(frame);
  const auto colorWord = [colors](int index) {
    // Pixel values beyond a table of 256 entries take entry 0.
    const std::size_t at = index < 256 ? std::size_t(index) * 3 : 0;
    return TBitmap::ToWord(Rgb(colors[at], colors[at + 1], colors[at + 2]));
  };
  const std::uint32_t white = TBitmap::ToWord(clWhite), black = TBitmap::ToWord(clBlack);
  const std::vector<int> order = RowOrder(height, frame.Interlaced);
  const std::size_t total = std::size_t(width) * std::size_t(height);
  std::size_t produced = 0;
  const auto put = [&](std::size_t index, bool transparent, std::uint32_t color) {
    const int row = order[index / std::size_t(width)];
    const int x = int(index % std::size_t(width));
    if (transparent) {
      frame.Picture->ScanLine(row)[x] = black;
      frame.Mask->ScanLine(row)[x] = white;
    } else {
      frame.Picture->ScanLine(row)[x] = color;
    }
  };

  const bool hasData = frame.DataStart < data.size();
  const int minCodeSize = hasData ? data[frame.DataStart] : 0;
  const std::vector<std::uint8_t> codes =
      hasData ? JoinSubBlocks(data, frame.DataStart + 1) : std::vector<std::uint8_t>();
  DecodeLzw(minCodeSize, codes, [&](int value) {
    put(produced++, frame.HasTransparency && value == frame.TransparentIndex, colorWord(value));
    return produced < total;
  });
  // What the data never reached.
  for (std::size_t index = produced; index < total; ++index)
    put(index, frame.HasTransparency, colorWord(0));

  if (const TPalette* palette = SharedPalette()) MapToPalette(*frame.Picture, *palette);
}
