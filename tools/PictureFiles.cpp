#include "tools/PictureFiles.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

#include "html/images/JpegErrors.h"
#include "platform/Bitmap.h"

namespace {

void Put16(TBytes& out, int value) {
  out.push_back(std::uint8_t(value & 0xFF));
  out.push_back(std::uint8_t(value >> 8 & 0xFF));
}
void Put32(TBytes& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i) & 0xFF));
}

// Bits of a colour table holding count entries (at least 1).
int TableBits(std::size_t count) {
  int bits = 1;
  while ((std::size_t(1) << bits) < count) ++bits;
  return bits;
}

void PutTable(TBytes& out, const std::vector<TColor>& colors, int bits) {
  for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i) {
    const TColor color = i < colors.size() ? colors[i] : clBlack;
    out.push_back(RedOf(color));
    out.push_back(GreenOf(color));
    out.push_back(BlueOf(color));
  }
}

void PutSubBlocks(TBytes& out, const TBytes& data) {
  for (std::size_t pos = 0; pos < data.size(); pos += 255) {
    const std::size_t length = std::min<std::size_t>(255, data.size() - pos);
    out.push_back(std::uint8_t(length));
    out.insert(out.end(), data.begin() + std::ptrdiff_t(pos),
               data.begin() + std::ptrdiff_t(pos + length));
  }
  out.push_back(0);
}

class TBitWriter {
 public:
  void Put(int code, int width) {
    Bits |= std::uint32_t(code) << Count;
    Count += width;
    while (Count >= 8) {
      Bytes.push_back(std::uint8_t(Bits & 0xFF));
      Bits >>= 8;
      Count -= 8;
    }
  }
  TBytes Finish() {
    if (Count > 0) Bytes.push_back(std::uint8_t(Bits & 0xFF));
    return Bytes;
  }

 private:
  TBytes Bytes;
  std::uint32_t Bits = 0;
  int Count = 0;
};

}  // namespace

TBytes LzwEncode(const std::vector<std::uint8_t>& indexes, int minCodeSize) {
  const int clear = 1 << minCodeSize, end = clear + 1;
  TBitWriter out;
  // The decoder's table size and code width, which the codes must be written in.
  int decoderNext = clear + 2, width = minCodeSize + 1, sinceClear = 0;
  std::map<std::pair<int, int>, int> table;
  int next = clear + 2;
  const auto emit = [&](int code) {
    out.Put(code, width);
    if (sinceClear++ > 0 && decoderNext < 4096) {
      ++decoderNext;
      if (decoderNext == 1 << width && width < 12) ++width;
    }
  };
  const auto reset = [&] {
    table.clear();
    next = clear + 2;
    decoderNext = clear + 2;
    width = minCodeSize + 1;
    sinceClear = 0;
  };
  out.Put(clear, width);
  if (indexes.empty()) {
    out.Put(end, width);
    return out.Finish();
  }
  int prefix = indexes[0];
  for (std::size_t i = 1; i < indexes.size(); ++i) {
    const int ch = indexes[i];
    const auto found = table.find({prefix, ch});
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    emit(prefix);
    if (next < 4096) {
      table[{prefix, ch}] = next++;
    } else {
      out.Put(clear, width);
      reset();
    }
    prefix = ch;
  }
  emit(prefix);
  out.Put(end, width);
  return out.Finish();
}

TGifFrameSpec SolidFrame(int width, int height, std::uint8_t index) {
  TGifFrameSpec frame;
  frame.Width = width;
  frame.Height = height;
  frame.Pixels.assign(std::size_t(width) * std::size_t(height), index);
  return frame;
}

TBytes WriteGif(const TGifSpec& spec) {
  TBytes out = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, spec.ScreenWidth);
  Put16(out, spec.ScreenHeight);
  const int globalBits = spec.GlobalColors.empty() ? 0 : TableBits(spec.GlobalColors.size());
  out.push_back(std::uint8_t(spec.GlobalColors.empty() ? 0 : 0x80 | (globalBits - 1)));
  out.push_back(0);  // background colour
  out.push_back(0);  // aspect ratio
  if (globalBits) PutTable(out, spec.GlobalColors, globalBits);
  if (spec.LoopCount >= 0) {
    out.insert(out.end(), {0x21, 0xFF, 11});
    for (const char ch : std::string("NETSCAPE2.0")) out.push_back(std::uint8_t(ch));
    out.insert(out.end(), {3, 1});
    Put16(out, spec.LoopCount);
    out.push_back(0);
  }
  for (const TGifFrameSpec& frame : spec.Frames) {
    if (!frame.Comment.empty()) {
      out.insert(out.end(), {0x21, 0xFE});
      PutSubBlocks(out, TBytes(frame.Comment.begin(), frame.Comment.end()));
    }
    if (frame.Control) {
      out.insert(out.end(), {0x21, 0xF9, 4});
      out.push_back(std::uint8_t(frame.Disposal << 2 | (frame.TransparentIndex >= 0 ? 1 : 0)));
      Put16(out, frame.DelayHundredths);
      out.push_back(std::uint8_t(std::max(frame.TransparentIndex, 0)));
      out.push_back(0);
    }
    out.push_back(0x2C);
    Put16(out, frame.Left);
    Put16(out, frame.Top);
    Put16(out, frame.Width);
    Put16(out, frame.Height);
    const int localBits = frame.LocalColors.empty() ? 0 : TableBits(frame.LocalColors.size());
    out.push_back(std::uint8_t((localBits ? 0x80 | (localBits - 1) : 0) |
                               (frame.Interlaced ? 0x40 : 0)));
    if (localBits) PutTable(out, frame.LocalColors, localBits);
    if (frame.RawCodes) {
      out.push_back(std::uint8_t(frame.MinCodeSize));
      PutSubBlocks(out, frame.Codes);
      continue;
    }
    const int tableBits = std::max(localBits ? localBits : globalBits, 2);
    const int minCodeSize = frame.MinCodeSize ? frame.MinCodeSize : tableBits;
    std::vector<std::uint8_t> ordered;
    if (frame.Interlaced) {
      for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int row = start; row < frame.Height; row += step)
          ordered.insert(ordered.end(),
                         frame.Pixels.begin() + std::ptrdiff_t(row * frame.Width),
                         frame.Pixels.begin() + std::ptrdiff_t((row + 1) * frame.Width));
    } else {
      ordered = frame.Pixels;
    }
    out.push_back(std::uint8_t(minCodeSize));
    PutSubBlocks(out, LzwEncode(ordered, minCodeSize));
  }
  out.push_back(0x3B);
  return out;
}

TBytes WriteBmp(const TBitmap& picture, int bits, bool topDown) {
  const int width = picture.Width(), height = picture.Height();
  std::vector<TColor> palette;
  if (bits <= 8) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (std::find(palette.begin(), palette.end(), picture.Pixel(x, y)) == palette.end())
          palette.push_back(picture.Pixel(x, y));
    if (palette.size() > (std::size_t(1) << bits)) throw std::logic_error("too many colours");
  }
  const std::size_t stride = (std::size_t(bits) * std::size_t(width) + 31) / 32 * 4;
  const std::size_t paletteBytes = palette.size() * 4;
  const std::size_t offset = 14 + 40 + paletteBytes;
  TBytes out = {'B', 'M'};
  Put32(out, std::uint32_t(offset + stride * std::size_t(height)));
  Put32(out, 0);
  Put32(out, std::uint32_t(offset));
  Put32(out, 40);
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(topDown ? -height : height));
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);  // no compression
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, std::uint32_t(palette.size()));
  Put32(out, 0);
  for (const TColor color : palette) {
    out.push_back(BlueOf(color));
    out.push_back(GreenOf(color));
    out.push_back(RedOf(color));
    out.push_back(0);
  }
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    TBytes line(stride, 0);
    for (int x = 0; x < width; ++x) {
      const TColor color = picture.Pixel(x, y);
      const std::size_t ux = std::size_t(x);
      if (bits <= 8) {
        const auto index = std::uint8_t(std::find(palette.begin(), palette.end(), color) - palette.begin());
        if (bits == 1) line[ux / 8] |= std::uint8_t(index << (7 - ux % 8));
        if (bits == 4) line[ux / 2] |= std::uint8_t(index << (ux % 2 ? 0 : 4));
        if (bits == 8) line[ux] = index;
      } else if (bits == 16) {
        const int value = (RedOf(color) >> 3) << 10 | (GreenOf(color) >> 3) << 5 | BlueOf(color) >> 3;
        line[ux * 2] = std::uint8_t(value & 0xFF);
        line[ux * 2 + 1] = std::uint8_t(value >> 8);
      } else {
        const std::size_t size = std::size_t(bits / 8);
        line[ux * size] = BlueOf(color);
        line[ux * size + 1] = GreenOf(color);
        line[ux * size + 2] = RedOf(color);
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

namespace {

bool Compress(jpeg_compress_struct& info, TJpegErrors& errors, const TBitmap& picture, bool grey,
              unsigned char*& buffer, unsigned long& size, std::vector<JSAMPLE>& row) {
  if (setjmp(errors.Jump)) return false;
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(picture.Width());
  info.image_height = JDIMENSION(picture.Height());
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  row.resize(std::size_t(picture.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = int(info.next_scanline);
    for (int x = 0; x < picture.Width(); ++x) {
      const TColor color = picture.Pixel(x, y);
      if (grey) {
        row[std::size_t(x)] = RedOf(color);
      } else {
        row[std::size_t(x) * 3] = RedOf(color);
        row[std::size_t(x) * 3 + 1] = GreenOf(color);
        row[std::size_t(x) * 3 + 2] = BlueOf(color);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

TBytes WriteJpeg(const TBitmap& picture, bool grey) {
  jpeg_compress_struct info{};
  TJpegErrors errors{};
  info.err = JumpingJpegErrors(errors);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<JSAMPLE> row;
  const bool done = Compress(info, errors, picture, grey, buffer, size, row);
  jpeg_destroy_compress(&info);
  TBytes bytes;
  if (done) bytes.assign(buffer, buffer + size);
  std::free(buffer);
  if (!done) throw std::runtime_error("libjpeg failed");
  return bytes;
}

namespace {

// What a PNG file holds and how its rows are handed over.
struct TPngLayout {
  int Width = 0;
  int Height = 0;
  int ColorType = PNG_COLOR_TYPE_RGB;  // PNG_COLOR_TYPE_RGB, _RGB_ALPHA or _PALETTE
  // Rows of 0xFFRRGGBB words, as bitmaps keep them, instead of rows of samples.
  bool Words = false;
  std::vector<png_color> Palette;
  std::vector<png_byte> PaletteAlpha;  // of the first entries; the others are opaque
  bool Fast = false;
};

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto& out = *static_cast<TBytes*>(png_get_io_ptr(png));
  out.insert(out.end(), data, data + length);
}

// libpng reports failures by a long jump back into this function, so it makes nothing that
// has a destructor.
bool EncodePngRows(png_structp png, png_infop info, const TPngLayout& layout,
                   const std::vector<const png_byte*>& rows, TBytes& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendPngBytes, nullptr);
  const int entries = int(layout.Palette.size());
  // A small palette packs several pixels into a byte.
  const int depth = layout.ColorType != PNG_COLOR_TYPE_PALETTE || entries > 16 ? 8
                    : entries > 4                                               ? 4
                    : entries > 2                                               ? 2
                                                                                : 1;
  png_set_IHDR(png, info, png_uint_32(layout.Width), png_uint_32(layout.Height), depth,
               layout.ColorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (layout.ColorType == PNG_COLOR_TYPE_PALETTE) {
    png_set_PLTE(png, info, layout.Palette.data(), entries);
    if (!layout.PaletteAlpha.empty())
      png_set_tRNS(png, info, layout.PaletteAlpha.data(), int(layout.PaletteAlpha.size()),
                   nullptr);
  }
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  if (layout.Fast) {
    png_set_compression_level(png, 1);
    // One fixed filter: choosing the best per row costs more than it saves on a page.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  }
  png_write_info(png, info);
  if (depth < 8) png_set_packing(png);
  if (layout.Words) {
    // 0xFFRRGGBB in a little-endian word: blue, green, red, filler.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  }
  for (const png_byte* row : rows) png_write_row(png, row);
  png_write_end(png, nullptr);
  return true;
}

TBytes EncodePng(const TPngLayout& layout, const std::vector<const png_byte*>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  TBytes out;
  const bool done = info && EncodePngRows(png, info, layout, rows, out);
  png_destroy_write_struct(&png, &info);
  if (!done) throw std::runtime_error("libpng failed");
  return out;
}

}  // namespace

TBytes WritePng(const TBitmap& picture, const TBitmap* mask, bool palette) {
  const int width = picture.Width(), height = picture.Height();
  TPngLayout layout;
  layout.Width = width;
  layout.Height = height;
  std::size_t channels = 1;
  std::vector<png_byte> pixels;
  if (palette) {
    // Entry 0 is the transparent one; the others are the picture's colours.
    std::vector<TColor> colors;
    pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        std::size_t index = 0;
        if (!mask || mask->Pixel(x, y) != clWhite) {
          const TColor color = picture.Pixel(x, y);
          auto found = std::find(colors.begin(), colors.end(), color);
          if (found == colors.end()) found = colors.insert(colors.end(), color);
          index = std::size_t(found - colors.begin()) + 1;
        }
        pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = png_byte(index);
      }
    layout.ColorType = PNG_COLOR_TYPE_PALETTE;
    layout.Palette.push_back({0, 0, 0});
    for (const TColor color : colors)
      layout.Palette.push_back({RedOf(color), GreenOf(color), BlueOf(color)});
    layout.PaletteAlpha = {0};
  } else {
    layout.ColorType = mask ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    channels = mask ? 4 : 3;
    pixels.resize(std::size_t(width) * std::size_t(height) * channels);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const TColor color = picture.Pixel(x, y);
        png_byte* p = pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * channels;
        p[0] = RedOf(color);
        p[1] = GreenOf(color);
        p[2] = BlueOf(color);
        if (mask) p[3] = mask->Pixel(x, y) == clWhite ? 0 : 255;
      }
  }
  std::vector<const png_byte*> rows;
  for (int y = 0; y < height; ++y)
    rows.push_back(pixels.data() + std::size_t(y) * std::size_t(width) * channels);
  return EncodePng(layout, rows);
}

TBytes WriteFastPng(const TBitmap& picture) {
  static_assert(std::endian::native == std::endian::little, "rows are handed over as words");
  TPngLayout layout;
  layout.Width = picture.Width();
  layout.Height = picture.Height();
  layout.Words = true;
  layout.Fast = true;
  std::vector<const png_byte*> rows;
  for (int y = 0; y < picture.Height(); ++y)
    rows.push_back(reinterpret_cast<const png_byte*>(picture.ScanLine(y)));
  return EncodePng(layout, rows);
}

std::string AsStream(const TBytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

bool WriteFile(const std::string& name, const TBytes& bytes) {
  std::ofstream file(name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  file.close();  // a failure to flush is a failure to write
  return bool(file);
}
