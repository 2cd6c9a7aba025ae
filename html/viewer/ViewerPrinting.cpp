// Printing: the document laid out for the width of a page, cut into pages between its lines
// and pictures, and drawn page by page on the host's canvases.
#include <algorithm>

#include "html/document/SectionList.h"
#include "html/viewer/PageBreaks.h"
#include "html/viewer/Viewer.h"
#include "platform/Canvas.h"
#include "platform/Windowing.h"

int TriruRedu::PrintDocument(int pageWidth, int pageHeight, const TPageCanvas& pageCanvas) {
  FinishLoadFirst();
  if (FProcessing || pageWidth <= 0 || pageHeight <= 0) return 0;
  TBusyCursor busy(FWindowing);
  TProcessingScope processing(*this);
  const int scrollTop = VScrollPos();
  const int selectionStart = FSections->SelectionStart;
  const int selectionEnd = FSections->SelectionEnd;
  // However printing ends, the window gets its own layout back.
  const auto restore = [&] {
    FSections->SelectionStart = selectionStart;
    FSections->SelectionEnd = selectionEnd;
    LayoutDocument();
    ApplyVPos(scrollTop);
  };
  int count = 0;
  try {
    FSections->SelectionStart = FSections->SelectionEnd = -1;
    count = PrintPages(pageWidth, pageHeight, pageCanvas);
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return count;
}

int TriruRedu::PrintPages(int pageWidth, int pageHeight, const TPageCanvas& pageCanvas) {
  int maxWidth = 0;
  int curs = 0;
  const int height = FSections->Arrange(*FMeasureCanvas, 0, pageWidth, maxWidth, curs);
  const std::vector<int> tops = PageTops(UncuttableBands(*FSections), height, pageHeight);
  const int count = int(tops.size());
  // Preformatted lines are clipped at the widest line, as in the window; the page's edge cuts
  // what is wider than the paper.
  const int clipWidth = std::max(maxWidth, pageWidth);
  FSections->ScrollLeft = 0;
  for (std::size_t i = 0; i < tops.size(); ++i) {
    const int top = tops[i];
    const int bottom = i + 1 < tops.size() ? tops[i + 1] : height;
    TCanvas& canvas = pageCanvas(int(i), count);
    PaintBackground(canvas, {0, 0, pageWidth, pageHeight}, top, 0);
    // What lies below the cut goes on the next page, and only there.
    const TRect band{0, 0, pageWidth, std::min(bottom - top, pageHeight)};
    canvas.SetClipRect(band);
    FSections->SetScrollTop(top);
    FSections->Render(canvas, band, clipWidth, 0, 0);
    canvas.ClearClip();
  }
  return count;
}
