#include "platform/qt/QtCanvas.h"

#include "platform/qt/QtGraphics.h"

#include <QGlyphRun>
#include <QVector>

namespace {

QColor QtColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

QPainter::CompositionMode ModeOf(TRasterOp op) {
  switch (op) {
    case ropCopy: return QPainter::CompositionMode_Source;
    case ropAnd: return QPainter::RasterOp_SourceAndDestination;
    case ropOr: return QPainter::RasterOp_SourceOrDestination;
    case ropXor: return QPainter::RasterOp_SourceXorDestination;
    case ropNotCopy: return QPainter::RasterOp_NotSource;
  }
  return QPainter::CompositionMode_Source;
}

}  // namespace

TQtCanvas::TQtCanvas(TGraphicsFactory& factory, TBitmap& surface)
    : TCanvas(factory, surface), FImage(QtImageOf(surface)) {
  if (!FImage.isNull()) FPainter = std::make_unique<QPainter>(&FImage);
}

TQtCanvas::~TQtCanvas() = default;

void TQtCanvas::FillDevice(const TRect& rect, TColor color) {
  if (MonochromeSurface() && color != clWhite) color = clBlack;
  FPainter->setCompositionMode(QPainter::CompositionMode_Source);
  FPainter->fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), QtColor(color));
}

void TQtCanvas::InvertDevice(const TRect& rect) {
  FPainter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  FPainter->fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), QtColor(clWhite));
}

void TQtCanvas::DrawText(int x, int y, std::u32string_view text, const TRect& clip,
                         TColor color) {
  if (MonochromeSurface() && color != clWhite) color = clBlack;
  PaintText(*FPainter, Face(), x, y, text, clip, color);
}

void TQtCanvas::PaintText(QPainter& painter, TFontFace& face, int x, int y,
                          std::u32string_view text, const TRect& clip, TColor color) {
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()));
  auto& qtFace = static_cast<TQtFontFace&>(face);
  painter.setFont(qtFace.QtFont());
  painter.setPen(QtColor(color));
  // Each character stands at the sum of the advances before it. The characters the font has
  // go out as one run of glyphs placed there; one it lacks is drawn alone, so that the text
  // system finds it in another font. Characters wholly outside the clip are stepped over (a
  // glyph may reach one line height beyond its advance), so a line a million pixels wide
  // costs only what shows of it.
  QVector<quint32> glyphs;
  QVector<QPointF> positions;
  QPointF origin;
  const long long reach = face.Metrics().Height;
  long long pen = x;
  for (const char32_t ch : text) {
    if (pen > clip.Right + reach) break;
    const int advance = face.Advance(ch);
    if (ch >= 32 && pen + advance + reach >= clip.Left) {
      if (const quint32 glyph = qtFace.Glyph(ch)) {
        // Positions are taken from the first glyph, where the run's underline starts.
        if (glyphs.isEmpty()) origin = QPointF(double(pen), y);
        glyphs.push_back(glyph);
        positions.push_back(QPointF(double(pen), y) - origin);
      } else {
        painter.drawText(QPoint(int(pen), y), QString::fromUcs4(&ch, 1));
      }
    }
    pen += advance;
  }
  if (!glyphs.isEmpty()) {
    QGlyphRun run;
    run.setRawFont(qtFace.RawFont());
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(qtFace.QtFont().underline());
    run.setStrikeOut(qtFace.QtFont().strikeOut());
    painter.drawGlyphRun(origin, run);
  }
  painter.setClipping(false);
}

void TQtCanvas::BlitDevice(const TRect& area, const std::vector<int>& columns,
                           const std::vector<int>& rows, const TBitmap& bitmap, TRasterOp op) {
  // The source (which may be the surface itself) is read completely before anything is drawn.
  // A picture with alpha goes as its premultiplied words, which Qt lays over the surface.
  const bool blends = Blends(bitmap, op);
  QImage piece(area.Width(), area.Height(),
               blends ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  for (std::size_t j = 0; j < rows.size(); ++j) {
    auto* line = reinterpret_cast<std::uint32_t*>(piece.scanLine(int(j)));
    const std::uint32_t* source = bitmap.ScanLine(rows[j]);
    for (std::size_t i = 0; i < columns.size(); ++i)
      line[i] = blends ? source[columns[i]] : TBitmap::ToWord(SourceColor(bitmap, columns[i], rows[j]));
  }
  FPainter->setCompositionMode(blends ? QPainter::CompositionMode_SourceOver : ModeOf(op));
  FPainter->drawImage(QPoint(area.Left, area.Top), piece);
}
