#pragma once
// The picture of an image on the page, for the image window and the clipboard.

#include <QImage>

class TInlineImage;

// A copy of the picture image shows, or a null QImage when it has none (no image object,
// or a picture that is not loaded).
QImage PictureOfImage(TInlineImage* image);
