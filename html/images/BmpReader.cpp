#include "html/images/BmpReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <vector>

#include "platform/Bitmap.h"

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3;

class TReader {
 public:
  explicit TReader(TImageBytes bytes) : Bytes(bytes) {}
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= Bytes.size() && count <= Bytes.size() - offset;
  }
  std::uint8_t U8(std::size_t offset) const { return Bytes[offset]; }
  std::uint16_t U16(std::size_t offset) const {
    return std::uint16_t(Bytes[offset] | Bytes[offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t offset) const {
    return std::uint32_t(Bytes[offset]) | std::uint32_t(Bytes[offset + 1]) << 8 |
           std::uint32_t(Bytes[offset + 2]) << 16 | std::uint32_t(Bytes[offset + 3]) << 24;
  }
  std::size_t Size() const { return Bytes.size(); }

 private:
  TImageBytes Bytes;
};

// A colour channel given by a bit mask of a 16- or 32-bit pixel.
struct TChannel {
  int Shift = 0;
  int Bits = 0;
  explicit TChannel(std::uint32_t mask = 0) {
    if (mask == 0) return;
    Shift = std::countr_zero(mask);
    Bits = std::countr_one(mask >> Shift);
  }
  std::uint8_t Value(std::uint32_t pixel) const {
    if (Bits == 0) return 0;
    const std::uint32_t raw = pixel >> Shift & ((std::uint64_t(1) << Bits) - 1);
    if (Bits >= 8) return std::uint8_t(raw >> (Bits - 8));
    const std::uint32_t top = (std::uint32_t(1) << Bits) - 1;
    return std::uint8_t((raw * 255 + top / 2) / top);
  }
};

struct THeader {
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // always positive; TopDown tells the row order
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = BiRgb;
  std::size_t PaletteOffset = 0;
  std::size_t PaletteEntrySize = 4;
  std::size_t PaletteCount = 0;
  std::array<std::uint32_t, 3> Masks{};
  std::size_t PixelOffset = 0;
};

bool ReadHeader(const TReader& in, THeader& header) {
  if (!in.Has(0, FileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M') return false;
  header.PixelOffset = in.U32(10);
  const std::uint32_t infoSize = in.U32(FileHeaderSize);
  if (!in.Has(FileHeaderSize, infoSize)) return false;
  const std::size_t info = FileHeaderSize;
  std::uint32_t colorsUsed = 0;
  if (infoSize == 12) {
    header.Width = in.U16(info + 4);
    header.Height = in.U16(info + 6);
    header.BitCount = in.U16(info + 10);
    header.PaletteEntrySize = 3;
  } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
             infoSize == 108 || infoSize == 124) {
    header.Width = std::int32_t(in.U32(info + 4));
    const std::int64_t height = std::int32_t(in.U32(info + 8));
    header.TopDown = height < 0;
    header.Height = std::llabs(height);
    header.BitCount = in.U16(info + 14);
    header.Compression = in.U32(info + 16);
    colorsUsed = infoSize >= 36 ? in.U32(info + 32) : 0;
    if (header.Compression == BiBitFields) {
      // The masks stand inside the longer headers, after the 40-byte one otherwise.
      const std::size_t masks = info + 40;
      if (!in.Has(masks, 12)) return false;
      header.Masks = {in.U32(masks), in.U32(masks + 4), in.U32(masks + 8)};
    }
  } else {
    return false;
  }
  header.PaletteOffset =
      info + infoSize + (header.Compression == BiBitFields && infoSize == 40 ? 12 : 0);
  if (!ImageSizeAllowed(header.Width, header.Height)) return false;
  switch (header.BitCount) {
    case 1:
    case 4:
    case 8:
      header.PaletteCount = std::size_t(1) << header.BitCount;
      if (colorsUsed > 0 && colorsUsed < header.PaletteCount) header.PaletteCount = colorsUsed;
      break;
    case 16:
    case 24:
    case 32: break;
    default: return false;
  }
  const bool compressionFits =
      header.Compression == BiRgb ||
      (header.Compression == BiRle8 && header.BitCount == 8 && !header.TopDown) ||
      (header.Compression == BiRle4 && header.BitCount == 4 && !header.TopDown) ||
      (header.Compression == BiBitFields && (header.BitCount == 16 || header.BitCount == 32));
  if (!compressionFits) return false;
  if (header.Compression == BiRgb && header.BitCount == 16)
    header.Masks = {0x7C00, 0x03E0, 0x001F};
  return in.Has(header.PaletteOffset, header.PaletteCount * header.PaletteEntrySize) &&
         header.PixelOffset < in.Size();
}

std::vector<std::uint32_t> ReadPalette(const TReader& in, const THeader& header) {
  // Indexes past the table draw black.
  std::vector<std::uint32_t> palette(256, TBitmap::ToWord(clBlack));
  for (std::size_t i = 0; i < header.PaletteCount; ++i) {
    const std::size_t entry = header.PaletteOffset + i * header.PaletteEntrySize;
    palette[i] = TBitmap::ToWord(Rgb(in.U8(entry + 2), in.U8(entry + 1), in.U8(entry)));
  }
  return palette;
}

bool ReadRows(const TReader& in, const THeader& header, const std::vector<std::uint32_t>& palette,
              TBitmap& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  const std::size_t stride = (std::size_t(header.BitCount) * std::size_t(width) + 31) / 32 * 4;
  if (!in.Has(header.PixelOffset, stride * std::size_t(height))) return false;
  const std::array<TChannel, 3> channels = {TChannel(header.Masks[0]), TChannel(header.Masks[1]),
                                            TChannel(header.Masks[2])};
  const bool plain32 = header.BitCount == 32 && header.Compression == BiRgb;
  for (int row = 0; row < height; ++row) {
    const std::size_t start = header.PixelOffset + std::size_t(row) * stride;
    std::uint32_t* out = bitmap.ScanLine(header.TopDown ? row : height - 1 - row);
    for (int x = 0; x < width; ++x) {
      const std::size_t ux = std::size_t(x);
      switch (header.BitCount) {
        case 1: out[x] = palette[in.U8(start + ux / 8) >> (7 - ux % 8) & 1]; break;
        case 4: out[x] = palette[in.U8(start + ux / 2) >> (ux % 2 ? 0 : 4) & 15]; break;
        case 8: out[x] = palette[in.U8(start + ux)]; break;
        case 24: {
          const std::size_t p = start + ux * 3;
          out[x] = TBitmap::ToWord(Rgb(in.U8(p + 2), in.U8(p + 1), in.U8(p)));
          break;
        }
        default: {
          const std::uint32_t pixel =
              header.BitCount == 16 ? in.U16(start + ux * 2) : in.U32(start + ux * 4);
          if (plain32)
            out[x] = TBitmap::ToWord(Rgb(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF));
          else
            out[x] = TBitmap::ToWord(Rgb(channels[0].Value(pixel), channels[1].Value(pixel),
                                         channels[2].Value(pixel)));
        }
      }
    }
  }
  return true;
}

// RLE8 and RLE4: runs and literal stretches, rows from the bottom up. Reading stops at the end
// of the bitmap or of the data; what the runs never reach keeps colour 0.
void ReadRunLength(const TReader& in, const THeader& header,
                   const std::vector<std::uint32_t>& palette, TBitmap& bitmap) {
  const bool four = header.Compression == BiRle4;
  const int width = bitmap.Width(), height = bitmap.Height();
  bitmap.Fill(TBitmap::FromWord(palette[0]));
  // y counts rows from the bottom; x stops at the right edge, where nothing more shows.
  int x = 0, y = 0;
  const auto put = [&](std::uint8_t index) {
    if (x >= width) return;
    if (y < height) bitmap.ScanLine(height - 1 - y)[x] = palette[index];
    ++x;
  };
  std::size_t p = header.PixelOffset;
  while (in.Has(p, 2) && y < height) {
    const std::uint8_t count = in.U8(p), value = in.U8(p + 1);
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i % 2 ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (!in.Has(p, 2)) break;
      x = std::min(x + in.U8(p), width);
      y += in.U8(p + 1);
      p += 2;
    } else {  // a literal stretch of value pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (std::size_t(value) + 1) / 2 : value;
      if (!in.Has(p, bytes)) break;
      for (int i = 0; i < value; ++i) {
        const std::uint8_t byte = in.U8(p + (four ? std::size_t(i) / 2 : std::size_t(i)));
        put(four ? (i % 2 ? byte & 15 : byte >> 4) : byte);
      }
      p += bytes + bytes % 2;
    }
  }
}

}  // namespace

std::unique_ptr<TBitmap> ReadBmp(TImageBytes bytes) {
  const TReader in(bytes);
  THeader header;
  if (!ReadHeader(in, header)) return nullptr;
  const std::vector<std::uint32_t> palette = ReadPalette(in, header);
  auto bitmap = std::make_unique<TBitmap>(int(header.Width), int(header.Height));
  if (header.Compression == BiRle8 || header.Compression == BiRle4) {
    ReadRunLength(in, header, palette, *bitmap);
    return bitmap;
  }
  if (!ReadRows(in, header, palette, *bitmap)) return nullptr;
  return bitmap;
}
