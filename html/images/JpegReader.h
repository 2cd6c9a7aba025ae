#pragma once
// Decoding JPEG data through libjpeg (the IJG interface; libjpeg-turbo on Debian).
//
// Grey-scale, YCbCr/RGB and CMYK/YCCK pictures are read. With palettised set (the 8-bit
// display mode of ScreenColors.h) libjpeg quantises the picture itself: a colour picture to
// the given palette's 256 colours, a grey-scale one to 256 greys of its own. Corrupt data
// that libjpeg can only warn about gives what it decoded; data it fails on, or a picture
// beyond the size limit (ImageTypes.h), gives nothing. libjpeg's messages are not printed.
// A picture whose EXIF data records an orientation (ExifOrientation.h) comes upright, its
// width and height swapped when it is turned a quarter.

#include <memory>

#include "html/images/ImageTypes.h"
#include "platform/Screen.h"

class TBitmap;

std::unique_ptr<TBitmap> ReadJpeg(TImageBytes bytes, const TPalette* palettised = nullptr);
