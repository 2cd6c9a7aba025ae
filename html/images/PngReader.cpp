#include "html/images/PngReader.h"

#include <cstring>
#include <vector>

#include <png.h>

#include "platform/Bitmap.h"

namespace {

// Alpha below this is transparent.
constexpr png_byte AlphaThreshold = 128;

// Frees libpng's reading state however the decoding ends.
class TPngImage {
 public:
  TPngImage() {
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
  }
  ~TPngImage() { png_image_free(&Image); }
  TPngImage(const TPngImage&) = delete;
  TPngImage& operator=(const TPngImage&) = delete;
  png_image Image;
};

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

}  // namespace

std::unique_ptr<TBitmap> ReadPng(TImageBytes bytes, TTransparency& transparency,
                                 std::unique_ptr<TBitmap>& mask) {
  const std::vector<png_byte> chunks = NeededChunks(bytes);
  if (chunks.empty()) return nullptr;
  TPngImage png;
  png_image& image = png.Image;
  if (!png_image_begin_read_from_memory(&image, chunks.data(), chunks.size())) return nullptr;
  if (!ImageSizeAllowed(image.width, image.height)) return nullptr;
  const bool transparent = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  const int width = int(image.width), height = int(image.height);
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return nullptr;

  auto bitmap = std::make_unique<TBitmap>(width, height);
  std::unique_ptr<TBitmap> alphaMask;
  if (transparent) alphaMask = std::make_unique<TBitmap>(width, height, true);
  for (int y = 0; y < height; ++y) {
    const png_byte* in = pixels.data() + std::size_t(y) * std::size_t(width) * 4;
    std::uint32_t* out = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x, in += 4) {
      if (alphaMask && in[3] < AlphaThreshold) {
        alphaMask->SetPixel(x, y, clWhite);
        out[x] = TBitmap::ToWord(clBlack);
      } else {
        out[x] = TBitmap::ToWord(Rgb(in[0], in[1], in[2]));
      }
    }
  }
  if (alphaMask) {
    mask = std::move(alphaMask);
    transparency = trPng;
  }
  return bitmap;
}
