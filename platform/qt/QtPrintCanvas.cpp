#include "platform/qt/QtPrintCanvas.h"

#include <array>

TColor TPaperColors::Value(TSystemColorIndex index) const {
  static constexpr TColor White = Rgb(255, 255, 255);
  static constexpr TColor Black = Rgb(0, 0, 0);
  static constexpr std::array<TColor, SystemColorCount> Values{{
      Rgb(224, 224, 224),  // scroll bar
      White,               // desktop
      Rgb(0, 0, 128),      // active caption
      Rgb(128, 128, 128),  // inactive caption
      White,               // menu
      White,               // window
      Black,               // window frame
      Black,               // menu text
      Black,               // window text
      White,               // caption text
      White,               // active border
      White,               // inactive border
      White,               // application work space
      Rgb(0, 0, 128),      // highlight
      White,               // highlight text
      White,               // button face
      Rgb(128, 128, 128),  // button shadow
      Rgb(128, 128, 128),  // grey text
      Black,               // button text
      Rgb(192, 192, 192),  // inactive caption text
      White,               // button highlight
      Rgb(64, 64, 64),     // 3-D dark shadow
      Rgb(224, 224, 224),  // 3-D light
      Black,               // tool tip text
      Rgb(255, 255, 225),  // tool tip background
  }};
  if (index < 0 || index >= SystemColorCount) return Black;
  return Values[std::size_t(index)];
}

TQtPrintCanvas::TQtPrintCanvas(TGraphicsFactory& graphics, int width, int height, QPainter& paper)
    : TPaperCopy(width, height), TQtCanvas(graphics, Copy), FPaper(paper) {
  FPaper.setRenderHint(QPainter::SmoothPixmapTransform);
}

void TQtPrintCanvas::FillDevice(const TRect& rect, TColor color) {
  TQtCanvas::FillDevice(rect, color);
  FPaper.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                  QColor(RedOf(color), GreenOf(color), BlueOf(color)));
}

void TQtPrintCanvas::InvertDevice(const TRect& rect) {
  TQtCanvas::InvertDevice(rect);
  CopyToPaper(rect);
}

void TQtPrintCanvas::DrawText(int x, int y, std::u32string_view text, const TRect& clip,
                              TColor color) {
  // A page is cut where one line ends and the next begins, and the line above the cut is drawn
  // on the page below as well (a draw pass takes what touches its clip). Its glyphs may reach
  // a little past their box, which would print as specks at the top of that page: text whose
  // box lies wholly outside the clip is left out.
  const TTextMetrics& metrics = TextMetrics();
  if (y + metrics.Descent <= clip.Top || y - metrics.Ascent >= clip.Bottom) return;
  TQtCanvas::DrawText(x, y, text, clip, color);
  PaintText(FPaper, Face(), x, y, text, clip, color);
}

void TQtPrintCanvas::BlitDevice(const TRect& area, const std::vector<int>& columns,
                                const std::vector<int>& rows, const TBitmap& bitmap,
                                TRasterOp op) {
  TQtCanvas::BlitDevice(area, columns, rows, bitmap, op);
  CopyToPaper(area);
}

void TQtPrintCanvas::CopyToPaper(const TRect& area) {
  const QRect rect(area.Left, area.Top, area.Width(), area.Height());
  FPaper.drawImage(rect, QtImageOf(Copy).copy(rect));
}
