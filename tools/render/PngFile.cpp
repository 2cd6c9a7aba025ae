#include "tools/render/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void WritePngFile(const QImage& picture, const std::string& fileName) {
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  const auto failure = std::runtime_error("Can't write " + fileName);
  std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(fileName.c_str(), "wb"));
  if (!file) throw failure;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw failure;
  }
  // libpng reports its errors by a long jump back here; nothing with a destructor is made
  // between this point and the end of the writing.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw failure;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, png_uint_32(pixels.width()), png_uint_32(pixels.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 1);
  // One fixed filter: choosing the best per row costs more than it saves here.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_write_info(png, info);
  // RGB32 is 0xAARRGGBB in a native word: blue, green, red, filler on this byte order.
  png_set_bgr(png);
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  for (int y = 0; y < pixels.height(); ++y)
    png_write_row(png, pixels.constScanLine(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) throw failure;
}
