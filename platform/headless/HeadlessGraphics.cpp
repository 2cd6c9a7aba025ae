#include "platform/headless/HeadlessGraphics.h"

#include "platform/headless/HeadlessCanvas.h"

#include <array>
#include <cstdlib>

namespace {

class THeadlessFontFace : public TFontFace {
public:
  explicit THeadlessFontFace(int pixels)
      : TFontFace(THeadlessGraphics::MetricsForPixels(pixels)),
        FAdvance(THeadlessGraphics::AdvanceForPixels(pixels)) {}

protected:
  // The zero-width space marks where a line may break and takes no room.
  int MeasureAdvance(char32_t ch) override { return ch == 0x200B ? 0 : FAdvance; }

private:
  int FAdvance;
};

}  // namespace

TColor TClassicSystemColors::Value(TSystemColorIndex index) const {
  static constexpr std::array<TColor, SystemColorCount> Classic{
      clSilver,             // scroll bar
      clTeal,               // desktop
      clNavy,               // active caption
      clGray,               // inactive caption
      clSilver,             // menu
      clWhite,              // window
      clBlack,              // window frame
      clBlack,              // menu text
      clBlack,              // window text
      clWhite,              // caption text
      clSilver,             // active border
      clSilver,             // inactive border
      clGray,               // application work space
      clNavy,               // highlight
      clWhite,              // highlight text
      clSilver,             // button face
      clGray,               // button shadow
      clGray,               // grey text
      clBlack,              // button text
      clSilver,             // inactive caption text
      clWhite,              // button highlight
      clBlack,              // 3-D dark shadow
      clSilver,             // 3-D light
      clBlack,              // tool tip text
      Rgb(255, 255, 225),   // tool tip background
  };
  return index >= 0 && index < SystemColorCount ? Classic[std::size_t(index)] : clBlack;
}

TTextMetrics THeadlessGraphics::MetricsForPixels(int pixels) {
  TTextMetrics metrics;
  metrics.Height = pixels;
  metrics.Descent = (pixels + 2) / 4;
  metrics.Ascent = pixels - metrics.Descent;
  metrics.AveCharWidth = AdvanceForPixels(pixels);
  return metrics;
}

std::unique_ptr<TCanvas> THeadlessGraphics::CanvasFor(TBitmap& bitmap) {
  return std::make_unique<THeadlessCanvas>(*this, bitmap);
}

std::unique_ptr<TFontFace> THeadlessGraphics::RealiseFont(const TFontDesc& font) {
  return std::make_unique<THeadlessFontFace>(std::abs(PointsToPixels(font.Size)));
}
