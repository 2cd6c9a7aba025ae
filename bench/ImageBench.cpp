// Pictures: a page of 500 images made from a few distinct files (GIF, JPEG, PNG, BMP and an
// animated GIF; floats and image maps among them), opened in a viewer on an 800 x 600 window:
// parse, layout and first screen, with the image cache empty and with the pictures cached;
// then a 20-frame animation stepping on the viewer's timer, with the rectangle each step
// repaints. Prints medians in milliseconds.
//   bench_images [--qt] FOLDER      (the page and its pictures are written into FOLDER)

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchGraphics.h"
#include "bench/Timing.h"
#include "html/document/SectionList.h"
#include "html/images/ImageCache.h"
#include "html/viewer/Viewer.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"
#include "tools/PictureFiles.h"

namespace {

constexpr int Runs = 5;
constexpr int Width = 800;
constexpr int Height = 600;
constexpr int ImageCount = 500;
constexpr int AnimationFrames = 20;

TBitmap Gradient(int width, int height) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, Rgb(std::uint8_t(x * 255 / width), std::uint8_t(y * 255 / height), 128));
  return picture;
}

// A 32 x 32 animation: a small square walking round a grey field, one place per frame.
TBytes Walker() {
  TGifSpec spec;
  spec.ScreenWidth = spec.ScreenHeight = 32;
  spec.GlobalColors = {clGray, clRed};
  spec.LoopCount = 0;
  for (int n = 0; n < AnimationFrames; ++n) {
    TGifFrameSpec frame = SolidFrame(32, 32, 0);
    const int x = n % 4 * 8, y = n / 4 % 4 * 8;
    for (int row = y; row < y + 8; ++row)
      for (int column = x; column < x + 8; ++column) frame.Pixels[std::size_t(row * 32 + column)] = 1;
    frame.Control = true;
    frame.DelayHundredths = 5;
    spec.Frames.push_back(frame);
  }
  return WriteGif(spec);
}

// Writes the pictures and the page; answers the page's name.
std::string WritePage(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const auto at = [&](const char* name) { return (folder / name).string(); };
  TBitmap logo = Gradient(64, 32);
  TBitmap holes(64, 32, true);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x)
      if ((x - 32) * (x - 32) + (y - 16) * (y - 16) * 4 > 900) holes.SetPixel(x, y, clWhite);
  TGifSpec gif;
  gif.ScreenWidth = 64;
  gif.ScreenHeight = 32;
  gif.GlobalColors = {clWhite, clNavy, clTeal};
  TGifFrameSpec frame = SolidFrame(64, 32, 1);
  for (std::size_t i = 0; i < frame.Pixels.size(); ++i) frame.Pixels[i] = std::uint8_t(i % 7 == 0 ? 2 : i % 5 == 0 ? 0 : 1);
  frame.Control = true;
  frame.TransparentIndex = 0;
  gif.Frames = {frame};
  WriteFile(at("logo.gif"), WriteGif(gif));
  WriteFile(at("photo.jpg"), WriteJpeg(Gradient(160, 120)));
  WriteFile(at("badge.png"), WritePng(logo, &holes));
  WriteFile(at("rule.bmp"), WriteBmp(Gradient(300, 6), 24));
  WriteFile(at("walker.gif"), Walker());

  std::string html = "<title>500 pictures</title><map name=nav><area shape=rect coords=0,0,31,31 "
                     "href=a.htm><area shape=circle coords=48,16,12 href=b.htm></map>\n";
  const char* sources[] = {"logo.gif", "photo.jpg", "badge.png", "rule.bmp", "walker.gif"};
  for (int i = 0; i < ImageCount; ++i) {
    std::string tag = std::string("<img src=") + sources[i % 5];
    if (i % 10 == 3) tag += " align=left";
    if (i % 10 == 7) tag += " align=right";
    if (i % 25 == 0) tag += " usemap=#nav";
    if (i % 50 == 9) tag = "<a href=x.htm>" + tag + " ismap></a>";
    else tag += ">";
    html += tag + " Picture " + std::to_string(i) + " stands in a line of words that wraps. ";
    if (i % 6 == 5) html += "<p>\n";
  }
  std::FILE* file = std::fopen(at("pictures.htm").c_str(), "wb");
  std::fwrite(html.data(), 1, html.size(), file);
  std::fclose(file);
  return at("pictures.htm");
}

struct TViewerOnWindow {
  THeadlessWindowing Windowing;
  std::unique_ptr<THeadlessWindow> Host;
  std::unique_ptr<TriruRedu> Viewer;
  explicit TViewerOnWindow(TGraphicsFactory& graphics)
      : Windowing(graphics), Host(Windowing.CreateHost(Width, Height)),
        Viewer(std::make_unique<TriruRedu>(Windowing, *Host)) {
    Viewer->SetViewImages(true);
  }
  THeadlessWindow& Panel() const { return static_cast<THeadlessWindow&>(Viewer->Panel()); }
  void Paint() {
    Windowing.RunPosted();
    Host->PaintInvalid();
    Panel().PaintInvalid();
  }
};

void MeasurePage(TGraphicsFactory& graphics, const std::string& page) {
  std::vector<double> cold, warm;
  std::size_t decoded = 0;
  int users = 0;
  for (int run = 0; run < Runs; ++run) {
    ImageCache().Clear();
    TViewerOnWindow view(graphics);
    cold.push_back(TimeMilliseconds([&] {
      view.Viewer->OpenHtmlFile(page);
      view.Paint();
    }));
    decoded = ImageCache().Count();
    users = 0;
    for (const auto& [key, item] : ImageCache()) users += item->Users;
    warm.push_back(TimeMilliseconds([&] {
      view.Viewer->ReloadDocument();
      view.Paint();
    }));
  }
  std::printf("%d images of %zu distinct pictures, each decoded once (%d cache users)\n",
              ImageCount, decoded, users);
  std::printf("parse, layout and first screen: cache empty %6.1f ms  pictures cached %6.1f ms\n",
              Median(cold), Median(warm));
}

void MeasureAnimation(TGraphicsFactory& graphics, const std::filesystem::path& folder) {
  ImageCache().Clear();
  TViewerOnWindow view(graphics);
  view.Viewer->OpenHtmlBuffer("<base href=\"" + std::filesystem::absolute(folder).string() +
                              "/\">Text above.<br><img src=walker.gif> and text beside it.");
  view.Paint();
  std::vector<double> paints;
  std::vector<TRect> rects;
  int waited = 0;
  while (int(rects.size()) < AnimationFrames && waited < 100 * AnimationFrames) {
    view.Windowing.AdvanceTime(10);
    waited += 10;
    const TRect invalid = view.Panel().Invalid();
    if (invalid.IsEmpty()) continue;
    rects.push_back(invalid);
    paints.push_back(TimeMilliseconds([&] { view.Panel().PaintInvalid(); }));
  }
  bool same = !rects.empty();
  for (const TRect& rect : rects) same = same && rect == rects.front();
  const TRect r = rects.empty() ? TRect{} : rects.front();
  std::printf("animation: %zu steps in %d ms, %s %d x %d rectangle at (%d, %d) each, "
              "repaint %.3f ms\n",
              rects.size(), waited, same ? "one" : "NOT ONE", r.Width(), r.Height(), r.Left,
              r.Top, paints.empty() ? 0.0 : Median(paints));
}

}  // namespace

int main(int argc, char** argv) {
  bool qt = false;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--qt") == 0) qt = true;
    else folder = argv[i];
  }
  if (folder.empty()) {
    std::fprintf(stderr, "usage: bench_images [--qt] FOLDER\n");
    return 2;
  }
  const std::string page = WritePage(folder);
  return RunOnGraphics(qt, argc, argv, "bench_images", [&](TGraphicsFactory& graphics) {
    MeasurePage(graphics, page);
    MeasureAnimation(graphics, folder);
    ImageCache().Clear();
  });
}
