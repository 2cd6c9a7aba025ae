// Decodes arbitrary bytes through the libjpeg wrapper. The first byte's low bit asks for the
// palettised output of 8-bit displays.

#include <cstddef>
#include <cstdint>

#include "html/images/JpegReader.h"
#include "html/images/ScreenColors.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const TPalette palette = BuildSharedPalette();
  const auto bitmap = ReadJpeg(TImageBytes(data + 1, size - 1), data[0] & 1 ? &palette : nullptr);
  if (bitmap && !ImageSizeAllowed(bitmap->Width(), bitmap->Height())) __builtin_trap();
  return 0;
}
