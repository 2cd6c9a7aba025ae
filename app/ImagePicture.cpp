#include "app/ImagePicture.h"

#include "html/images/ImageObj.h"
#include "platform/qt/QtGraphics.h"

QImage PictureOfImage(TInlineImage* image) {
  auto* imageObj = dynamic_cast<TImageObj*>(image);
  if (!imageObj) return QImage();
  const TBitmap* picture = imageObj->PictureForHost();
  if (!picture || picture->IsEmpty()) return QImage();
  // The image keeps its bitmap (a GIF remakes it on the next call): the window and the
  // clipboard get their own copy.
  return QtImageOf(const_cast<TBitmap&>(*picture)).copy();
}
