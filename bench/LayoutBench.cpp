// Times the stages of showing a page: parsing it, laying it out for an 800-pixel window and
// drawing its first screen. Prints the median of several runs of each, in milliseconds.
//   bench_layout [--qt] [--text] FILE

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchGraphics.h"
#include "bench/Timing.h"
#include "html/builder/Builder.h"
#include "html/document/SectionList.h"
#include "platform/Graphics.h"

namespace {

constexpr int Runs = 5;
constexpr int WindowWidth = 800;
constexpr int WindowHeight = 600;
constexpr int MarginWidth = 10;
constexpr int MarginHeight = 5;

void Measure(TGraphicsFactory& graphics, const std::string& file, bool asText) {
  std::vector<double> parse, layout, draw;
  int height = 0;
  for (int run = 0; run < Runs; ++run) {
    TSectionList document(graphics);
    TAnchorList anchors;
    TDocumentHead head;
    TBitmap screen(WindowWidth, WindowHeight);
    auto canvas = graphics.CanvasFor(screen);

    auto start = TBenchClock::now();
    if (asText)
      ParseTextFile(document, anchors, file, head);
    else
      ParseHtmlFile(document, anchors, file, {}, nullptr, {}, {}, {}, head);
    auto parsed = TBenchClock::now();
    int maxWidth = 0, cursor = 0;
    height = document.Arrange(*canvas, MarginHeight, WindowWidth - 2 * MarginWidth, maxWidth,
                              cursor);
    auto laidOut = TBenchClock::now();
    canvas->SetBrush(document.Background);
    canvas->FillRect({0, 0, WindowWidth, WindowHeight});
    document.Render(*canvas, {MarginWidth, 1, WindowWidth, WindowHeight},
                    std::max(maxWidth, WindowWidth), MarginWidth, MarginHeight);
    auto drawn = TBenchClock::now();

    parse.push_back(Milliseconds(start, parsed));
    layout.push_back(Milliseconds(parsed, laidOut));
    draw.push_back(Milliseconds(laidOut, drawn));
  }
  std::printf("%-40s parse %7.1f ms  layout %7.1f ms  first screen %6.1f ms  (height %d)\n",
              file.c_str(), Median(parse), Median(layout), Median(draw), height);
}

}  // namespace

int main(int argc, char** argv) {
  bool qt = false, asText = false;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--qt") == 0) qt = true;
    else if (std::strcmp(argv[i], "--text") == 0) asText = true;
    else file = argv[i];
  }
  if (file.empty()) {
    std::fprintf(stderr, "usage: bench_layout [--qt] [--text] FILE\n");
    return 2;
  }
  return RunOnGraphics(qt, argc, argv, "bench_layout",
                       [&](TGraphicsFactory& graphics) { Measure(graphics, file, asText); });
}
