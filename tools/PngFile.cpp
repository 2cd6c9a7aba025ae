#include "tools/PngFile.h"

#include <cstring>
#include <fstream>

#include <png.h>

#include "platform/Bitmap.h"

std::vector<unsigned char> EncodePng(const TBitmap& picture, const TBitmap* mask) {
  const int width = picture.Width(), height = picture.Height();
  std::vector<png_byte> pixels(std::size_t(width) * std::size_t(height) * 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const TColor color = picture.Pixel(x, y);
      png_byte* p = pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
      p[0] = RedOf(color);
      p[1] = GreenOf(color);
      p[2] = BlueOf(color);
      p[3] = mask && mask->Pixel(x, y) == clWhite ? 0 : 255;
    }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return {};
  std::vector<unsigned char> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr))
    return {};
  bytes.resize(size);
  return bytes;
}

bool WritePngFile(const std::string& fileName, const TBitmap& picture, const TBitmap* mask) {
  const std::vector<unsigned char> bytes = EncodePng(picture, mask);
  if (bytes.empty()) return false;
  std::ofstream file(fileName, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}
