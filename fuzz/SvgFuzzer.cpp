// Reads arbitrary bytes as the engine reads an SVG document: the kind sniffing and the
// picture size. A root, when found, must open with '<', and every size must be one a picture
// may have.

#include <cstddef>
#include <cstdint>

#include "html/images/SvgRoot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TImageBytes bytes(data, size);
  const std::optional<std::size_t> root = FindSvgRoot(bytes);
  const std::optional<TSvgSize> picture = SvgPictureSize(bytes);
  if (root.has_value() != picture.has_value()) __builtin_trap();
  if (root && (*root >= size || data[*root] != '<')) __builtin_trap();
  if (picture && !ImageSizeAllowed(picture->Width, picture->Height)) __builtin_trap();
  return 0;
}
