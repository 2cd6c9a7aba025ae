#include "app/ImagePicture.h"

#include "html/document/InlineObjects.h"

QImage PictureOfImage(const TInlineImage* image) {
  // The page's image objects do not hand out their pictures yet; until they do, no image
  // has a picture to show or copy.
  (void)image;
  return QImage();
}
