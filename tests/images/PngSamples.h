#pragma once
// PNG files of any sample layout without a palette, written with libpng: 8- or 16-bit samples,
// with or without alpha, plain or Adam7.

#include <gtest/gtest.h>
#include <png.h>

#include <utility>
#include <vector>

#include "tools/PictureFiles.h"

// samples: row by row, pixel by pixel, channel by channel (as many as colorType has).
inline TBytes WritePngSamples(int width, int height, int bitDepth, int colorType, bool adam7,
                              const std::vector<int>& samples) {
  const std::size_t bytes = std::size_t(bitDepth / 8), rowBytes = samples.size() / height * bytes;
  std::vector<png_byte> pixels;
  for (const int sample : samples) {
    if (bytes == 2) pixels.push_back(png_byte(sample >> 8));  // big-endian
    pixels.push_back(png_byte(sample));
  }
  std::vector<png_bytep> rows;
  for (int y = 0; y < height; ++y) rows.push_back(pixels.data() + std::size_t(y) * rowBytes);
  TBytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    ADD_FAILURE() << "libpng refused the picture";
    return {};
  }
  {
    png_set_write_fn(png, &out, [](png_structp p, png_bytep data, png_size_t length) {
      auto* to = static_cast<TBytes*>(png_get_io_ptr(p));
      to->insert(to->end(), data, data + length);
    }, nullptr);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), bitDepth, colorType,
                 adam7 ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return out;
}

// An 8-bit RGBA PNG of pixels given row by row as colour and alpha.
inline TBytes AlphaPng(int width, int height, const std::vector<std::pair<TColor, int>>& pixels) {
  std::vector<int> samples;
  for (const auto& [color, alpha] : pixels)
    samples.insert(samples.end(), {RedOf(color), GreenOf(color), BlueOf(color), alpha});
  return WritePngSamples(width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, false, samples);
}
