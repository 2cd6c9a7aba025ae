#include "html/images/ExifOrientation.h"

#include <cstring>

#include "platform/Bitmap.h"

namespace {

constexpr std::size_t ExifHeaderSize = 6;  // "Exif\0\0"
constexpr std::size_t TiffHeaderSize = 8;  // byte order, 42, offset of the first directory
constexpr std::size_t EntrySize = 12;      // tag, type, count, value
constexpr std::uint16_t OrientationTag = 0x0112;
constexpr std::uint16_t ShortType = 3;

// The TIFF structure, read in its own byte order; every read is checked by the caller.
struct TTiff {
  TImageBytes Bytes;
  bool BigEndian = false;

  bool Has(std::size_t pos, std::size_t count) const {
    return pos <= Bytes.size() && count <= Bytes.size() - pos;
  }
  std::uint16_t U16(std::size_t pos) const {
    return BigEndian ? std::uint16_t(Bytes[pos] << 8 | Bytes[pos + 1])
                     : std::uint16_t(Bytes[pos + 1] << 8 | Bytes[pos]);
  }
  std::uint32_t U32(std::size_t pos) const {
    const std::uint32_t first = U16(pos), second = U16(pos + 2);
    return BigEndian ? first << 16 | second : second << 16 | first;
  }
};

}  // namespace

int ExifOrientation(TImageBytes segment) {
  if (segment.size() < ExifHeaderSize || std::memcmp(segment.data(), "Exif\0\0", ExifHeaderSize) != 0)
    return 1;
  TTiff tiff{segment.subspan(ExifHeaderSize)};
  if (!tiff.Has(0, TiffHeaderSize)) return 1;
  if (std::memcmp(tiff.Bytes.data(), "MM", 2) == 0)
    tiff.BigEndian = true;
  else if (std::memcmp(tiff.Bytes.data(), "II", 2) != 0)
    return 1;
  if (tiff.U16(2) != 42) return 1;
  const std::size_t directory = tiff.U32(4);
  if (!tiff.Has(directory, 2)) return 1;
  const std::size_t entries = tiff.U16(directory);
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t entry = directory + 2 + i * EntrySize;
    if (!tiff.Has(entry, EntrySize)) return 1;
    if (tiff.U16(entry) != OrientationTag) continue;
    if (tiff.U16(entry + 2) != ShortType || tiff.U32(entry + 4) != 1) return 1;
    const int value = tiff.U16(entry + 8);
    return value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

TBitmap Oriented(const TBitmap& stored, int orientation) {
  if (orientation < 2 || orientation > 8) return stored;
  const int w = stored.Width(), h = stored.Height();
  const bool swaps = orientation >= 5;
  TBitmap shown(swaps ? h : w, swaps ? w : h);
  // For each shown pixel (x, y), the stored column and row it shows.
  for (int y = 0; y < shown.Height(); ++y) {
    std::uint32_t* row = shown.ScanLine(y);
    for (int x = 0; x < shown.Width(); ++x) {
      int column = x, line = y;
      switch (orientation) {
        case 2: column = w - 1 - x; break;
        case 3: column = w - 1 - x, line = h - 1 - y; break;
        case 4: line = h - 1 - y; break;
        case 5: column = y, line = x; break;
        case 6: column = y, line = h - 1 - x; break;
        case 7: column = w - 1 - y, line = h - 1 - x; break;
        case 8: column = w - 1 - y, line = x; break;
      }
      row[x] = stored.ScanLine(line)[column];
    }
  }
  return shown;
}
