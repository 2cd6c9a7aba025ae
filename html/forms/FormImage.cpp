#include "html/forms/FormImage.h"

#include "html/forms/FormControlObj.h"

TFormImage::TFormImage(TImageFormControlObj& control, const TAttributeList& attributes)
    : TImageObj(attributes), Control(control) {}

bool TFormImage::AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                              std::optional<TUrlTarget>&) {
  Control.SetClickPoint(xInImage, yInImage);
  formControl = &Control;
  return true;
}
