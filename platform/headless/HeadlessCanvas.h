#pragma once
// The headless canvas: draws into a TBitmap in software, following the pixel rules of
// Canvas.h exactly.
//
// Text. A character whose code is above 32 is drawn as one filled box in the text colour:
// from its pen position x to x + advance - 2 (one column is left free between neighbours) and
// over the rows y - Ascent .. y - 1 above the baseline y. Characters up to 32 (spaces and
// controls) draw nothing. Underline paints the row y + Descent / 2 and strike-out the row
// y - Ascent / 2, each across the whole string's width.

#include "platform/Canvas.h"

class THeadlessCanvas : public TCanvas {
public:
  THeadlessCanvas(TGraphicsFactory& factory, TBitmap& surface);

protected:
  void FillDevice(const TRect& rect, TColor color) override;
  void InvertDevice(const TRect& rect) override;
  void DrawText(int x, int y, std::u32string_view text, const TRect& clip, TColor color) override;
  void BlitDevice(const TRect& area, const std::vector<int>& columns, const std::vector<int>& rows,
                  const TBitmap& bitmap, TRasterOp op) override;

private:
  void FillCut(const TRect& rect, const TRect& clip, TColor color);

  TBitmap& FSurface;
};
