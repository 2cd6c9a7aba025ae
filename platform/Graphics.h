#pragma once
// The graphics factory: the one object a platform hands the engine for drawing. It makes
// canvases over bitmaps, realises fonts, draws SVG pictures, and answers the desktop colours
// and the screen.
// Engine code holds a TGraphicsFactory& and never names a platform.
//
// Ownership: the factory owns the font faces it realises (they live as long as the factory)
// and its system colours, screen and SVG renderer; canvases are owned by whoever asked for them.

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Screen.h"
#include "platform/SvgRenderer.h"

#include <map>
#include <memory>
#include <tuple>

class TGraphicsFactory {
public:
  virtual ~TGraphicsFactory() = default;

  // A canvas that draws onto the bitmap. The bitmap must outlive the canvas.
  virtual std::unique_ptr<TCanvas> CanvasFor(TBitmap& bitmap) = 0;

  // The realised font for a description. Faces are cached: descriptions that differ only in
  // colour share one face (colour does not change any measure), so advances are measured once
  // per face for the life of the factory.
  TFontFace& Face(const TFontDesc& font);

  virtual const TSystemColors& SystemColors() const = 0;
  // The platform's SVG drawing, owned by the factory.
  virtual const TSvgRenderer& SvgRenderer() const = 0;
  const TScreen& Screen() const { return FScreen; }

protected:
  TGraphicsFactory() = default;
  virtual std::unique_ptr<TFontFace> RealiseFont(const TFontDesc& font) = 0;
  TScreen FScreen;

private:
  using TFaceKey = std::tuple<std::string, int, TFontStyles, int>;
  std::map<TFaceKey, std::unique_ptr<TFontFace>> FFaces;
};
