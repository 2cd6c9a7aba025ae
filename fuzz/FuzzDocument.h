#pragma once
// What the document fuzz targets share: pictures answered from the input, and a layout and
// draw pass over a page.

#include <string>
#include <string_view>

#include "html/document/SectionList.h"
#include "html/images/ImageSource.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

// Pictures a document names come from the input itself, never from files.
class TInputImages : public TImageSource {
 public:
  explicit TInputImages(std::string_view input) : Stream(input) {}
  bool AnswersImageRequests() const override { return true; }
  const TMemoryStream* RequestImage(const std::u32string&) override { return &Stream; }
  std::string ImageFileName(std::u32string_view) const override { return {}; }

 private:
  TMemoryStream Stream;
};

inline void LayOutAndDraw(THeadlessGraphics& graphics, TSectionList& document, int width) {
  TBitmap surface(width, 200);
  auto canvas = graphics.CanvasFor(surface);
  int maxWidth = 0;
  int curs = 0;
  const int height = document.Arrange(*canvas, 0, width, maxWidth, curs);
  document.Render(*canvas, {0, 0, width, 200}, width, 0, 0);
  // A band from the middle of the page exercises the clipping of sections cut by the edge.
  document.SetScrollTop(height / 2);
  document.Render(*canvas, {0, 0, width, 200}, width, 0, 0);
}

