#pragma once
// The picture of an image input, standing in its section's text as an inline image. Until
// the page's pictures are loaded it is drawn as a framed box of the size WIDTH and HEIGHT ask
// for (a small square without them) with the ALT text inside. A click on it records the point
// in the control and gives the control to the hit test.

#include <string>

#include "html/document/InlineObjects.h"

class TAttributeList;
class TImageFormControlObj;

class TFormImage : public TInlineImage {
 public:
  TFormImage(TImageFormControlObj& control, const TAttributeList& attributes);

  TImageFormControlObj& Control;
  std::u32string Alt;

  void ComputeSize(TSectionList& document, TCanvas& canvas, int availableWidth,
                   TFontObj& font) override;
  void DrawImage(TCanvas& canvas, int x, TFontObj& font, int baseline, int top) override;
  bool ContainsPoint(int x, int y, int& xInImage, int& yInImage) const override;
  bool AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                    std::optional<TUrlTarget>& link) override;

 private:
  int FWidth, FHeight;  // the size asked for
  int DrawX = 0;        // where the picture was last drawn (panel x, document y)
  int DrawY = 0;
  bool Drawn = false;
};
