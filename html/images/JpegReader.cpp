#include "html/images/JpegReader.h"

#include <algorithm>
#include <vector>

#include "html/images/ExifOrientation.h"
#include "html/images/JpegErrors.h"
#include "platform/Bitmap.h"

namespace {

void SilentMessage(j_common_ptr) {}

// Adobe writes CMYK inverted; every JPEG with four components seen in practice is.
std::uint32_t FromCmyk(const JSAMPLE* p) {
  const int k = p[3];
  return TBitmap::ToWord(Rgb(std::uint8_t(p[0] * k / 255), std::uint8_t(p[1] * k / 255),
                             std::uint8_t(p[2] * k / 255)));
}

// The protected part: everything libjpeg may jump out of. Objects with destructors are made
// by the caller before the jump point, so a jump skips none.
bool Decode(jpeg_decompress_struct& info, TJpegErrors& errors, TImageBytes bytes,
            const TPalette* palette, std::unique_ptr<TBitmap>& bitmap,
            std::vector<JSAMPLE>& row, int& orientation) {
  if (setjmp(errors.Jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
    if (marker->marker != JPEG_APP0 + 1) continue;
    orientation = ExifOrientation(TImageBytes(marker->data, marker->data_length));
    if (orientation != 1) break;
  }
  if (!ImageSizeAllowed(info.image_width, info.image_height)) return false;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  if (palette && !cmyk) {
    info.quantize_colors = TRUE;
    if (info.jpeg_color_space == JCS_GRAYSCALE) {
      info.out_color_space = JCS_GRAYSCALE;
      info.desired_number_of_colors = 256;
    } else {
      const int count = int(std::min<std::size_t>(palette->Entries.size(), 256));
      info.colormap = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                JPOOL_IMAGE, JDIMENSION(count), 3);
      for (int i = 0; i < count; ++i) {
        const TColor color = palette->Entries[std::size_t(i)];
        info.colormap[0][i] = RedOf(color);
        info.colormap[1][i] = GreenOf(color);
        info.colormap[2][i] = BlueOf(color);
      }
      info.actual_number_of_colors = count;
    }
  }
  jpeg_start_decompress(&info);
  const int width = int(info.output_width), height = int(info.output_height);
  const int components = info.output_components;
  if (!ImageSizeAllowed(width, height)) return false;
  // A grey colour map has one row for all three channels.
  const int green = info.out_color_components > 1 ? 1 : 0, blue = green * 2;
  bitmap = std::make_unique<TBitmap>(width, height);
  row.resize(std::size_t(width) * std::size_t(components));
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    JSAMPROW rows[1] = {row.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    std::uint32_t* out = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = row.data() + std::size_t(x) * std::size_t(components);
      if (info.quantize_colors)
        out[x] = TBitmap::ToWord(Rgb(info.colormap[0][p[0]], info.colormap[green][p[0]],
                                     info.colormap[blue][p[0]]));
      else if (cmyk)
        out[x] = FromCmyk(p);
      else
        out[x] = TBitmap::ToWord(Rgb(p[0], p[1], p[2]));
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::unique_ptr<TBitmap> ReadJpeg(TImageBytes bytes, const TPalette* palettised) {
  if (bytes.empty()) return nullptr;
  jpeg_decompress_struct info{};
  TJpegErrors errors{};
  info.err = JumpingJpegErrors(errors);
  errors.Public.output_message = SilentMessage;
  std::unique_ptr<TBitmap> bitmap;
  std::vector<JSAMPLE> row;
  int orientation = 1;
  const bool decoded = Decode(info, errors, bytes, palettised, bitmap, row, orientation);
  jpeg_destroy_decompress(&info);
  if (!decoded) return nullptr;
  if (orientation != 1) *bitmap = Oriented(*bitmap, orientation);
  return bitmap;
}
