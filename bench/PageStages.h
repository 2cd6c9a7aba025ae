#pragma once
// The stages of showing a page, timed: parsing it, laying it out for an 800 x 600 window with
// the viewer's margins and drawing its first screen. Each is the median of several runs, in
// milliseconds.

#include <algorithm>
#include <vector>

#include "bench/Timing.h"
#include "html/builder/Builder.h"
#include "html/document/SectionList.h"
#include "platform/Graphics.h"

struct TPageStages {
  double Parse = 0;
  double Layout = 0;
  double Draw = 0;
  int Height = 0;  // of the laid-out document
};

// parse(document, anchors, head) reads the page into a fresh document; examine(document) is
// shown each laid-out document.
template <typename TParse, typename TExamine>
TPageStages TimePageStages(TGraphicsFactory& graphics, TParse parse, TExamine examine) {
  constexpr int Runs = 5;
  constexpr int WindowWidth = 800;
  constexpr int WindowHeight = 600;
  constexpr int MarginWidth = 10;
  constexpr int MarginHeight = 5;
  std::vector<double> parsing, layout, draw;
  TPageStages stages;
  for (int run = 0; run < Runs; ++run) {
    TSectionList document(graphics);
    TAnchorList anchors;
    TDocumentHead head;
    TBitmap screen(WindowWidth, WindowHeight);
    auto canvas = graphics.CanvasFor(screen);

    auto start = TBenchClock::now();
    parse(document, anchors, head);
    auto parsed = TBenchClock::now();
    int maxWidth = 0, cursor = 0;
    stages.Height = document.Arrange(*canvas, MarginHeight, WindowWidth - 2 * MarginWidth,
                                     maxWidth, cursor);
    auto laidOut = TBenchClock::now();
    canvas->SetBrush(document.Background);
    canvas->FillRect({0, 0, WindowWidth, WindowHeight});
    document.Render(*canvas, {MarginWidth, 1, WindowWidth, WindowHeight},
                    std::max(maxWidth, WindowWidth), MarginWidth, MarginHeight);
    auto drawn = TBenchClock::now();

    parsing.push_back(Milliseconds(start, parsed));
    layout.push_back(Milliseconds(parsed, laidOut));
    draw.push_back(Milliseconds(laidOut, drawn));
    examine(document);
  }
  stages.Parse = Median(parsing);
  stages.Layout = Median(layout);
  stages.Draw = Median(draw);
  return stages;
}
