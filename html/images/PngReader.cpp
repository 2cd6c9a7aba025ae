#include "html/images/PngReader.h"

#include <bit>
#include <cstring>
#include <vector>

#include <png.h>

#include "platform/Bitmap.h"

namespace {

constexpr std::size_t SignatureSize = 8;
constexpr std::size_t ChunkOverhead = 12;  // length, type and CRC

// The chunks a picture needs: header, palette, transparency, image data and end.
bool Needed(const std::uint8_t* type) {
  for (const char* name : {"IHDR", "PLTE", "tRNS", "IDAT", "IEND"})
    if (std::memcmp(type, name, 4) == 0) return true;
  return false;
}

// The data with only the needed chunks, each as it stands; reading stops at a chunk whose
// length runs past the data. libpng then never meets a length the data does not hold, nor
// text, profiles or other chunks it would unpack. Empty without the PNG signature.
std::vector<png_byte> NeededChunks(TImageBytes bytes) {
  static const png_byte signature[SignatureSize] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
  if (bytes.size() < SignatureSize || std::memcmp(bytes.data(), signature, SignatureSize) != 0)
    return {};
  std::vector<png_byte> kept(bytes.begin(), bytes.begin() + SignatureSize);
  for (std::size_t pos = SignatureSize; bytes.size() - pos >= ChunkOverhead;) {
    const std::size_t length = std::size_t(bytes[pos]) << 24 | std::size_t(bytes[pos + 1]) << 16 |
                               std::size_t(bytes[pos + 2]) << 8 | bytes[pos + 3];
    if (length > bytes.size() - pos - ChunkOverhead) break;
    const std::size_t end = pos + ChunkOverhead + length;
    if (Needed(bytes.data() + pos + 4))
      kept.insert(kept.end(), bytes.begin() + std::ptrdiff_t(pos),
                  bytes.begin() + std::ptrdiff_t(end));
    pos = end;
  }
  return kept;
}

// Where libpng reads from: the kept chunks, never past their end.
struct TPngInput {
  const std::vector<png_byte>& Data;
  std::size_t Pos = 0;
};

void ReadInput(png_structp png, png_bytep out, png_size_t length) {
  auto& input = *static_cast<TPngInput*>(png_get_io_ptr(png));
  if (length > input.Data.size() - input.Pos) png_error(png, "cut short");
  std::memcpy(out, input.Data.data() + input.Pos, length);
  input.Pos += length;
}

// A failure leaves libpng by the jump back to the setjmp of the step that runs; warnings are
// dropped.
[[noreturn]] void Failed(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Warned(png_structp, png_const_charp) {}

// libpng's reading state, freed however the decoding ends.
class TPngReading {
 public:
  TPngReading() {
    Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Failed, Warned);
    if (Png) Info = png_create_info_struct(Png);
  }
  ~TPngReading() { png_destroy_read_struct(&Png, &Info, nullptr); }
  TPngReading(const TPngReading&) = delete;
  TPngReading& operator=(const TPngReading&) = delete;
  png_structp Png = nullptr;
  png_infop Info = nullptr;
};

// The two steps libpng may jump out of. Objects with destructors are made by the caller
// between them, so a jump skips none.

// Reads the header and asks for 8-bit samples in the words of a TBitmap: blue, green, red and
// alpha in memory order (0xAARRGGBB), with alpha 255 where the picture has none.
static_assert(std::endian::native == std::endian::little, "rows are read straight into words");
bool ReadHeader(TPngReading& reading, TPngInput& input, png_uint_32& width, png_uint_32& height,
                bool& mayBeTransparent) {
  png_structp png = reading.Png;
  png_infop info = reading.Info;
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &input, ReadInput);
  png_set_user_limits(png, MaxImageSide, MaxImageSide);
  png_read_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  if (!ImageSizeAllowed(width, height)) return false;
  const png_byte colorType = png_get_color_type(png, info);
  mayBeTransparent =
      (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);  // palettes to colours, small greys to 8 bits, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return png_get_rowbytes(png, info) == png_size_t(width) * 4;
}

bool ReadRows(TPngReading& reading, png_bytepp rows) {
  if (setjmp(png_jmpbuf(reading.Png))) return false;
  png_read_image(reading.Png, rows);
  png_read_end(reading.Png, nullptr);
  return true;
}

// Premultiplies the words (straight alpha as read) in place; false when every pixel is opaque.
bool Premultiply(TBitmap& bitmap) {
  bool transparent = false;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint8_t alpha = std::uint8_t(row[x] >> 24);
      if (alpha == 255) continue;
      transparent = true;
      row[x] = TBitmap::PremultipliedWord(TBitmap::FromWord(row[x]), alpha);
    }
  }
  return transparent;
}

}  // namespace

std::unique_ptr<TBitmap> ReadPng(TImageBytes bytes) {
  const std::vector<png_byte> chunks = NeededChunks(bytes);
  if (chunks.empty()) return nullptr;
  TPngReading reading;
  if (!reading.Png || !reading.Info) return nullptr;
  TPngInput input{chunks};
  png_uint_32 width = 0, height = 0;
  bool mayBeTransparent = false;
  if (!ReadHeader(reading, input, width, height, mayBeTransparent)) return nullptr;

  auto bitmap = std::make_unique<TBitmap>(int(width), int(height));
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = reinterpret_cast<png_bytep>(bitmap->ScanLine(int(y)));
  if (!ReadRows(reading, rows.data())) return nullptr;
  if (mayBeTransparent && Premultiply(*bitmap)) bitmap->SetAlphaChannel(true);
  return bitmap;
}
