// Times the stages of showing a page: parsing it, laying it out for an 800-pixel window and
// drawing its first screen. Prints the median of several runs of each, in milliseconds.
//   bench_layout [--qt] [--text] FILE

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/BenchGraphics.h"
#include "bench/PageStages.h"
#include "html/support/HeapReserve.h"

namespace {

void Measure(TGraphicsFactory& graphics, const std::string& file, bool asText) {
  const TPageStages stages = TimePageStages(
      graphics,
      [&](TSectionList& document, TAnchorList& anchors, TDocumentHead& head) {
        if (asText)
          ParseTextFile(document, anchors, file, head);
        else
          ParseHtmlFile(document, anchors, file, {}, nullptr, {}, {}, {}, head);
      },
      [](const TSectionList&) {});
  std::printf("%-40s parse %7.1f ms  layout %7.1f ms  first screen %6.1f ms  (height %d)\n",
              file.c_str(), stages.Parse, stages.Layout, stages.Draw, stages.Height);
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
  // As the browser does for the page it starts with.
  PrepareHeapForDocuments(file);
  return RunOnGraphics(qt, argc, argv, "bench_layout",
                       [&](TGraphicsFactory& graphics) { Measure(graphics, file, asText); });
}
