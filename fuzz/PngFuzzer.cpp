// Decodes arbitrary bytes through the libpng wrapper; a picture with an alpha channel must hold
// premultiplied words (no channel above its alpha).

#include <cstddef>
#include <cstdint>

#include "html/images/PngReader.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = ReadPng(TImageBytes(data, size));
  if (!bitmap || !bitmap->HasAlpha()) return 0;
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x) {
      const std::uint32_t word = bitmap->ScanLine(y)[x];
      const std::uint32_t alpha = word >> 24;
      if ((word >> 16 & 0xFF) > alpha || (word >> 8 & 0xFF) > alpha || (word & 0xFF) > alpha)
        __builtin_trap();
    }
  return 0;
}
