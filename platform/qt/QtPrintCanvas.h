#pragma once
// Drawing on paper: a printer or a PDF file, through a QPainter on it.
//
// One engine pixel is one unit of the painter's coordinates: the host scales the painter to
// the device, so a page laid out at 96 pixels per inch prints at its true size. Rectangles go
// out as shapes and text as glyphs of the real fonts, sharp at any resolution. Text whose box
// (ascent and descent about its baseline) lies outside the clip is not drawn at all.
//
// Paper cannot be read back, yet a raster operation (a picture drawn through its mask, an
// inversion) combines with what lies under it. The canvas therefore keeps a copy of its page
// at the engine's resolution, draws everything there as well, and puts the result of each
// raster operation on the paper as a picture of the area it touched.
//
// The graphics a canvas is made with give its system colours. TQtPaperGraphics gives those of
// a light desktop, so a page in the default colours prints dark on white whatever the theme.

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtGraphics.h"

// The desktop colours on paper: white faces and windows, black text.
class TPaperColors : public TSystemColors {
public:
  TColor Value(TSystemColorIndex index) const override;
};

// Qt's fonts with the paper's colours.
class TQtPaperGraphics : public TQtGraphics {
public:
  const TSystemColors& SystemColors() const override { return FPaper; }

private:
  TPaperColors FPaper;
};

// The engine-resolution copy of the page; a base of the canvas, so it exists before the
// canvas that draws on it.
struct TPaperCopy {
  TPaperCopy(int width, int height) : Copy(width, height) {}
  TBitmap Copy;
};

class TQtPrintCanvas : private TPaperCopy, public TQtCanvas {
public:
  // A page of width by height engine pixels, drawn onto paper's device. graphics (a
  // TQtGraphics) and paper must outlive the canvas.
  TQtPrintCanvas(TGraphicsFactory& graphics, int width, int height, QPainter& paper);

protected:
  void FillDevice(const TRect& rect, TColor color) override;
  void InvertDevice(const TRect& rect) override;
  void DrawText(int x, int y, std::u32string_view text, const TRect& clip, TColor color) override;
  void BlitDevice(const TRect& area, const std::vector<int>& columns, const std::vector<int>& rows,
                  const TBitmap& bitmap, TRasterOp op) override;

private:
  // The copy's pixels of area, as a picture on the paper.
  void CopyToPaper(const TRect& area);

  QPainter& FPaper;
};
