// Decodes arbitrary bytes through the libpng wrapper; a mask, when one comes, must match the
// picture.

#include <cstddef>
#include <cstdint>

#include "html/images/PngReader.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TTransparency transparency = trNone;
  std::unique_ptr<TBitmap> mask;
  const auto bitmap = ReadPng(TImageBytes(data, size), transparency, mask);
  if (!bitmap) return 0;
  if (mask && (mask->Width() != bitmap->Width() || mask->Height() != bitmap->Height() ||
               transparency != trPng))
    __builtin_trap();
  return 0;
}
