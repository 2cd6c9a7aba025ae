#pragma once
// The graphics platform on Qt 6.
//
// Fonts are QFonts: the face name goes to the font system as it is (fontconfig picks a match
// and fonts-liberation supplies metric-compatible faces), the size becomes a pixel size at 96
// per inch, kerning is off. Metrics come from QFontMetrics: Height = ascent + descent,
// ExternalLeading = Qt's leading (never below 0), Overhang 0; each character's advance is
// QFontMetrics' horizontal advance of that character alone. The character set is kept in the
// description only: Unicode text needs nothing from it.
//
// System colours are read from the application palette each time they are drawn, so a dark
// desktop theme gives dark defaults. SVG pictures are drawn by Qt's SVG module (QtSvgRenderer.h).
//
// A QGuiApplication (or QApplication) must exist while this factory and its canvases are used.

#include "platform/Graphics.h"
#include "platform/qt/QtSvgRenderer.h"

#include <QFont>
#include <QImage>
#include <QRawFont>

#include <optional>
#include <unordered_map>

class TQtSystemColors : public TSystemColors {
public:
  TColor Value(TSystemColorIndex index) const override;
};

class TQtFontFace : public TFontFace {
public:
  explicit TQtFontFace(const QFont& font);
  const QFont& QtFont() const { return FFont; }
  // The glyph of a character in the font itself, or 0 when the font lacks it (the text
  // system then draws it from another font). Looked up once per character.
  quint32 Glyph(char32_t ch);
  const QRawFont& RawFont();

protected:
  int MeasureAdvance(char32_t ch) override;

private:
  QFont FFont;
  std::optional<QRawFont> FRawFont;
  std::unordered_map<char32_t, quint32> FGlyphs;
};

class TQtGraphics : public TGraphicsFactory {
public:
  std::unique_ptr<TCanvas> CanvasFor(TBitmap& bitmap) override;
  const TSystemColors& SystemColors() const override { return FColors; }
  const TSvgRenderer& SvgRenderer() const override { return FSvg; }

  // The QFont a description stands for.
  static QFont QtFontFor(const TFontDesc& font);

protected:
  std::unique_ptr<TFontFace> RealiseFont(const TFontDesc& font) override;

private:
  TQtSystemColors FColors;
  TQtSvgRenderer FSvg;
};

// A QImage that shares the bitmap's pixels (no copy); valid while the bitmap lives and keeps
// its size. Null for an empty bitmap. Drawing on it draws on the bitmap. A bitmap with an
// alpha channel gives premultiplied ARGB, so copies of it (the clipboard's, the image
// window's) keep its transparency.
QImage QtImageOf(TBitmap& bitmap);
