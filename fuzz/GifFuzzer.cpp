// Reads arbitrary bytes as a GIF: a scan, a full decode, every frame composed in turn and
// frame 1 again (so disposals undo what they saved), a copy, the host's picture, and drawing
// scaled onto a small canvas through the mask. The decoder's memory budget bounds each input.

#include <cstddef>
#include <cstdint>

#include "html/images/GIFImage.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TImageBytes bytes(data, size);
  TGIFImage gif;
  const bool scanned = gif.Scan(bytes);
  if (!gif.Load(bytes)) {
    if (scanned) __builtin_trap();  // what scans must decode
    return 0;
  }
  if (gif.FrameCount() < 1 || gif.Composed().Width() != gif.ScreenWidth()) __builtin_trap();
  THeadlessGraphics graphics;
  TBitmap surface(24, 24);
  auto canvas = graphics.CanvasFor(surface);
  for (int n = 2; n <= gif.FrameCount() + 1; ++n) {
    gif.SetCurrentFrame(n);
    gif.Draw(*canvas, {3, 2, 23, 15}, 0);
  }
  const auto copy = gif.CreateCopy();
  copy->SetCurrentFrame(copy->FrameCount());  // a copy composes on the frames it shares
  copy->Draw(*canvas, {0, 0, 24, 24}, 0);
  (void)gif.HostPicture();
  return 0;
}
