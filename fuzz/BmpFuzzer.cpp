// Reads arbitrary bytes as a BMP file and makes a lower-left transparency mask of the result.

#include <cstddef>
#include <cstdint>

#include "html/images/BmpReader.h"
#include "html/images/ImageLoad.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = ReadBmp(TImageBytes(data, size));
  if (bitmap) {
    if (!ImageSizeAllowed(bitmap->Width(), bitmap->Height())) __builtin_trap();
    (void)MakeTransparencyMask(*bitmap);
  }
  return 0;
}
