#pragma once
// The headless graphics platform: no window system, every pixel worked out by hand.
//
// Fonts have fixed metrics. A font of s points has pixel size p = PointsToPixels(s) (its
// magnitude, for negative sizes) and: Height p, Descent round(p / 4), Ascent p - Descent,
// ExternalLeading 0, Overhang 0, and every character advances round(p / 2) pixels; the face
// name and styles change no measure. Text is drawn as one box per character (HeadlessCanvas.h).
// System colours resolve to the classic desktop values below, whatever the machine's theme.
// SVG pictures are never drawn here (HeadlessSvgRenderer.h).

#include "platform/Graphics.h"
#include "platform/headless/HeadlessSvgRenderer.h"

// The classic desktop colours: grey buttons, white windows, black text, navy highlight.
class TClassicSystemColors : public TSystemColors {
public:
  TColor Value(TSystemColorIndex index) const override;
};

class THeadlessGraphics : public TGraphicsFactory {
public:
  std::unique_ptr<TCanvas> CanvasFor(TBitmap& bitmap) override;
  const TSystemColors& SystemColors() const override { return FColors; }
  const TSvgRenderer& SvgRenderer() const override { return FSvg; }

  // Lets a test stand for a screen of another colour depth (4, 8 or 24).
  void SetColorBits(int bits) { FScreen.ColorBits = bits; }

  // The metrics every font of this pixel size has here.
  static TTextMetrics MetricsForPixels(int pixels);
  static int AdvanceForPixels(int pixels) { return (pixels + 1) / 2; }

protected:
  std::unique_ptr<TFontFace> RealiseFont(const TFontDesc& font) override;

private:
  TClassicSystemColors FColors;
  THeadlessSvgRenderer FSvg;
};
