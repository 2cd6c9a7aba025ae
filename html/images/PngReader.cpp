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

}  // namespace

std::unique_ptr<TBitmap> ReadPng(TImageBytes bytes, TTransparency& transparency,
                                 std::unique_ptr<TBitmap>& mask) {
  if (bytes.empty()) return nullptr;
  TPngImage png;
  png_image& image = png.Image;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return nullptr;
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
