#include "html/forms/FormImage.h"

#include <algorithm>

#include "html/document/FontObj.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/parser/Attributes.h"
#include "platform/Canvas.h"

namespace {

constexpr int PlaceholderSize = 24;
// Larger sizes are taken as this, so an absurd WIDTH cannot make an impossible picture.
constexpr int MaxPictureSize = 4000;

int ReadSize(const TAttributeList& attributes, TSymbol symbol) {
  const TAttribute* size = FindAttribute(attributes, symbol);
  return size && size->IntValue > 0 ? std::min(size->IntValue, MaxPictureSize) : PlaceholderSize;
}

}  // namespace

TFormImage::TFormImage(TImageFormControlObj& control, const TAttributeList& attributes)
    : Control(control), Alt(AttributeText(attributes, symAlt)),
      FWidth(ReadSize(attributes, symWidth)), FHeight(ReadSize(attributes, symHeight)) {}

void TFormImage::ComputeSize(TSectionList&, TCanvas&, int, TFontObj&) {
  ImageWidth = FWidth;
  ImageHeight = FHeight;
}

void TFormImage::DrawImage(TCanvas& canvas, int x, TFontObj& font, int baseline, int) {
  const int scrollTop = Control.Document.ScrollTop;
  DrawX = x;
  DrawY = baseline - ImageHeight;
  Drawn = true;
  const TRect box{x, DrawY - scrollTop, x + ImageWidth, DrawY - scrollTop + ImageHeight};
  canvas.SetPen(clBtnShadow);
  canvas.SetBrush(clBtnFace);
  canvas.Rectangle(box);
  if (Alt.empty()) return;
  canvas.SetFont(font.Font.Desc());
  canvas.SetBackgroundMode(bmTransparent);
  canvas.SetTextColor(clBtnText);
  const TRect inside{box.Left + 2, box.Top + 1, box.Right - 2, box.Bottom - 1};
  canvas.TextOutClipped(inside, inside.Left, inside.Top + canvas.TextMetrics().Ascent, Alt);
}

bool TFormImage::ContainsPoint(int x, int y, int& xInImage, int& yInImage) const {
  if (!Drawn) return false;
  xInImage = x - DrawX;
  yInImage = y - DrawY;
  return xInImage >= 0 && xInImage < ImageWidth && yInImage >= 0 && yInImage < ImageHeight;
}

bool TFormImage::AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                              std::optional<TUrlTarget>&) {
  Control.SetClickPoint(xInImage, yInImage);
  formControl = &Control;
  return true;
}
