#include "tools/dump/GifDump.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "html/images/GIFImage.h"
#include "html/images/ImageLoad.h"
#include "tools/Json.h"
#include "tools/PictureFiles.h"

namespace {

// Comments are bytes; they are shown as Latin-1 characters.
std::u32string Latin1(const std::string& bytes) {
  std::u32string text;
  for (const char byte : bytes) text += char32_t(static_cast<unsigned char>(byte));
  return text;
}

TJson FrameJson(const TFrame& frame) {
  return TJson::MakeObject()
      .Set("left", frame.Left)
      .Set("top", frame.Top)
      .Set("width", frame.Width)
      .Set("height", frame.Height)
      .Set("delay", frame.Delay)
      .Set("disposal", int(frame.Disposal))
      .Set("transparent", frame.HasTransparency)
      .Set("interlaced", frame.Interlaced)
      .Set("comment", Latin1(frame.Comment));
}

int Usage() {
  std::cerr << "usage: tamblin-dump gif [--png N OUT] FILE\n";
  return 2;
}

}  // namespace

int RunGif(int argc, char** argv) {
  int pngFrame = 0;
  std::string out, file;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 2 < argc) {
      pngFrame = std::atoi(argv[++i]);
      out = argv[++i];
      if (pngFrame < 1) return Usage();
    } else if (file.empty()) {
      file = arg;
    } else {
      return Usage();
    }
  }
  if (file.empty()) return Usage();
  std::vector<std::uint8_t> bytes;
  TGIFImage gif;
  if (!ReadImageFile(file, bytes) || !gif.Load(bytes)) {
    std::cerr << "tamblin-dump: " << file << " is no GIF the decoder reads\n";
    return 1;
  }
  TJson frames = TJson::MakeArray();
  for (int n = 1; n <= gif.FrameCount(); ++n) frames.Push(FrameJson(gif.Frame(n)));
  std::cout << TJson::MakeObject()
                   .Set("screenWidth", gif.ScreenWidth())
                   .Set("screenHeight", gif.ScreenHeight())
                   .Set("loopCount", gif.LoopCount())
                   .Set("transparent", gif.IsTransparent())
                   .Set("animated", gif.IsAnimated())
                   .Set("frames", std::move(frames))
                   .Print()
            << '\n';
  if (pngFrame > 0) {
    if (pngFrame > gif.FrameCount()) {
      std::cerr << "tamblin-dump: the GIF has " << gif.FrameCount() << " frames\n";
      return 1;
    }
    // Frames are composed one after the other, as the animation shows them.
    for (int n = 2; n <= pngFrame; ++n) gif.SetCurrentFrame(n);
    if (!WriteFile(out, WritePng(gif.Composed(), gif.ComposedMask()))) {
      std::cerr << "tamblin-dump: can't write " << out << '\n';
      return 1;
    }
  }
  return 0;
}
