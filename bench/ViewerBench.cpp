// Times what a reader of a long page waits for in the viewer: the page laid out again after
// the window changes width, a scroll by one line and a page down, each with its repaint.
// Prints the median of several runs in milliseconds.
//   bench_viewer [--qt] FILE

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchGraphics.h"
#include "bench/Timing.h"
#include "html/viewer/Viewer.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"

namespace {

constexpr int Runs = 9;
constexpr int Width = 800;
constexpr int Height = 600;

// The window's own event handling is the headless one, so the figures are the viewer's and
// the drawing's; the graphics decide whether fonts are real.
void Measure(TGraphicsFactory& graphics, const std::string& file) {
  THeadlessWindowing windowing(graphics);
  auto host = windowing.CreateHost(Width, Height);
  TriruRedu viewer(windowing, *host);
  viewer.OpenHtmlFile(file);
  auto& panel = static_cast<THeadlessWindow&>(viewer.Panel());
  auto paint = [&] {
    windowing.RunPosted();
    host->PaintInvalid();
    panel.PaintInvalid();
  };
  paint();
  panel.SetFocus();

  std::vector<double> relayout, line, page;
  for (int run = 0; run < Runs; ++run) {
    const int width = run % 2 == 0 ? Width - 100 : Width;
    relayout.push_back(TimeMilliseconds([&] {
      host->SetBounds({0, 0, width, Height});
      paint();
    }));
    line.push_back(TimeMilliseconds([&] {
      windowing.PressKey(vkDown);
      paint();
    }));
    page.push_back(TimeMilliseconds([&] {
      windowing.PressKey(vkNext);
      paint();
    }));
  }
  std::printf("%-40s relayout after a width change %7.1f ms  line scroll %5.2f ms  "
              "page down %5.2f ms\n",
              file.c_str(), Median(relayout), Median(line), Median(page));
}

}  // namespace

int main(int argc, char** argv) {
  bool qt = false;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--qt") == 0) qt = true;
    else file = argv[i];
  }
  if (file.empty()) {
    std::fprintf(stderr, "usage: bench_viewer [--qt] FILE\n");
    return 2;
  }
  return RunOnGraphics(qt, argc, argv, "bench_viewer",
                       [&](TGraphicsFactory& graphics) { Measure(graphics, file); });
}
