#pragma once
// The picture of an image input: an inline image like any IMG (SRC, ALT, WIDTH, HEIGHT and
// the rest read the same way, and the picture loads, sizes and draws the same way), standing
// in its section's text. A click on it records the point in the control and gives the
// control to the hit test instead of following a link.

#include "html/images/ImageObj.h"

class TImageFormControlObj;

class TFormImage : public TImageObj {
 public:
  TFormImage(TImageFormControlObj& control, const TAttributeList& attributes);

  TImageFormControlObj& Control;

  bool AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                    std::optional<TUrlTarget>& link) override;
};
