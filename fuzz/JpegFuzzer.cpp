// Decodes arbitrary bytes through the libjpeg wrapper, EXIF orientation included. The first
// byte's low bit asks for the palettised output of 8-bit displays; its next bit has the rest
// read as the content of an APP1 segment instead, to reach deep into the EXIF reader.

#include <cstddef>
#include <cstdint>

#include "html/images/ExifOrientation.h"
#include "html/images/JpegReader.h"
#include "html/images/ScreenColors.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const TImageBytes rest(data + 1, size - 1);
  if (data[0] & 2) {
    const int orientation = ExifOrientation(rest);
    if (orientation < 1 || orientation > 8) __builtin_trap();
    return 0;
  }
  static const TPalette palette = BuildSharedPalette();
  const auto bitmap = ReadJpeg(rest, data[0] & 1 ? &palette : nullptr);
  if (bitmap && !ImageSizeAllowed(bitmap->Width(), bitmap->Height())) __builtin_trap();
  return 0;
}
