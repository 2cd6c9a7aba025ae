#pragma once
// The Qt canvas: a QPainter on a QImage that shares a TBitmap's pixels. Rectangles, regions,
// lines and inversions follow the shared pixel rules of Canvas.h exactly; text is drawn by Qt
// with the real font, one character at each position the advance table gives, so text lands
// where its measures say (glyphs are anti-aliased within their cells).

#include "platform/Canvas.h"

#include <QImage>
#include <QPainter>

#include <memory>

class TQtCanvas : public TCanvas {
public:
  TQtCanvas(TGraphicsFactory& factory, TBitmap& surface);
  ~TQtCanvas() override;

  // Draws text as DrawText does, with face, onto any painter: the glyphs stand at the
  // advances the face measures, cut to clip (in the painter's coordinates).
  static void PaintText(QPainter& painter, TFontFace& face, int x, int y,
                        std::u32string_view text, const TRect& clip, TColor color);

protected:
  void FillDevice(const TRect& rect, TColor color) override;
  void InvertDevice(const TRect& rect) override;
  void DrawText(int x, int y, std::u32string_view text, const TRect& clip, TColor color) override;
  void BlitDevice(const TRect& area, const std::vector<int>& columns, const std::vector<int>& rows,
                  const TBitmap& bitmap, TRasterOp op) override;

private:
  QImage FImage;
  // Absent for an empty bitmap, where nothing is ever drawn.
  std::unique_ptr<QPainter> FPainter;
};
