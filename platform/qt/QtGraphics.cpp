#include "platform/qt/QtGraphics.h"

#include "platform/qt/QtCanvas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cstdlib>

TColor TQtSystemColors::Value(TSystemColorIndex index) const {
  struct TSource {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
  };
  static constexpr QPalette::ColorGroup A = QPalette::Active;
  static constexpr std::array<TSource, SystemColorCount> Sources{{
      {A, QPalette::Button},                         // scroll bar
      {A, QPalette::Window},                         // desktop
      {A, QPalette::Highlight},                      // active caption
      {A, QPalette::Mid},                            // inactive caption
      {A, QPalette::Window},                         // menu
      {A, QPalette::Base},                           // window (where documents are shown)
      {A, QPalette::Shadow},                         // window frame
      {A, QPalette::WindowText},                     // menu text
      {A, QPalette::Text},                           // window text
      {A, QPalette::HighlightedText},                // caption text
      {A, QPalette::Window},                         // active border
      {A, QPalette::Window},                         // inactive border
      {A, QPalette::Mid},                            // application work space
      {A, QPalette::Highlight},                      // highlight
      {A, QPalette::HighlightedText},                // highlight text
      {A, QPalette::Button},                         // button face
      {A, QPalette::Dark},                           // button shadow
      {QPalette::Disabled, QPalette::Text},          // grey text
      {A, QPalette::ButtonText},                     // button text
      {QPalette::Inactive, QPalette::HighlightedText},  // inactive caption text
      {A, QPalette::Light},                          // button highlight
      {A, QPalette::Shadow},                         // 3-D dark shadow
      {A, QPalette::Midlight},                       // 3-D light
      {A, QPalette::ToolTipText},                    // tool tip text
      {A, QPalette::ToolTipBase},                    // tool tip background
  }};
  if (index < 0 || index >= SystemColorCount) return clBlack;
  const TSource& source = Sources[std::size_t(index)];
  const QColor color = QApplication::palette().color(source.Group, source.Role);
  return Rgb(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

namespace {

TTextMetrics MetricsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  TTextMetrics result;
  result.Ascent = metrics.ascent();
  result.Descent = metrics.descent();
  result.Height = result.Ascent + result.Descent;
  result.ExternalLeading = std::max(metrics.leading(), 0);
  result.AveCharWidth = metrics.averageCharWidth();
  return result;
}

}  // namespace

TQtFontFace::TQtFontFace(const QFont& font) : TFontFace(MetricsOf(font)), FFont(font) {}

const QRawFont& TQtFontFace::RawFont() {
  if (!FRawFont) FRawFont = QRawFont::fromFont(FFont);
  return *FRawFont;
}

quint32 TQtFontFace::Glyph(char32_t ch) {
  const auto found = FGlyphs.find(ch);
  if (found != FGlyphs.end()) return found->second;
  const QString text = QString::fromUcs4(&ch, 1);
  quint32 glyph = 0;
  int count = 1;
  if (!RawFont().isValid() ||
      !RawFont().glyphIndexesForChars(text.constData(), int(text.size()), &glyph, &count) ||
      count != 1)
    glyph = 0;
  FGlyphs.emplace(ch, glyph);
  return glyph;
}

int TQtFontFace::MeasureAdvance(char32_t ch) {
  return QFontMetrics(FFont).horizontalAdvance(QString::fromUcs4(&ch, 1));
}

QFont TQtGraphics::QtFontFor(const TFontDesc& font) {
  QFont result(QString::fromStdString(font.Name));
  result.setPixelSize(std::max(std::abs(PointsToPixels(font.Size)), 1));
  result.setBold((font.Style & fsBold) != 0);
  result.setItalic((font.Style & fsItalic) != 0);
  result.setUnderline((font.Style & fsUnderline) != 0);
  result.setStrikeOut((font.Style & fsStrikeOut) != 0);
  result.setKerning(false);
  return result;
}

std::unique_ptr<TFontFace> TQtGraphics::RealiseFont(const TFontDesc& font) {
  return std::make_unique<TQtFontFace>(QtFontFor(font));
}

std::unique_ptr<TCanvas> TQtGraphics::CanvasFor(TBitmap& bitmap) {
  return std::make_unique<TQtCanvas>(*this, bitmap);
}

QImage QtImageOf(TBitmap& bitmap) {
  if (bitmap.IsEmpty()) return {};
  return QImage(reinterpret_cast<uchar*>(bitmap.ScanLine(0)), bitmap.Width(), bitmap.Height(),
                qsizetype(bitmap.Width()) * 4,
                bitmap.HasAlpha() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}
