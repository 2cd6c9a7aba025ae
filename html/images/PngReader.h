#pragma once
// Decoding PNG data through libpng (its simplified reading interface), beyond the design,
// which knows PNG only by its signature.
//
// Every colour type and bit depth is read as 8-bit red, green and blue. Only the chunks a
// picture needs are handed to libpng (header, palette, transparency, image data, end), and
// only those whose length the data holds: text, colour profiles and other ancillary chunks are
// ignored, so pictures show their stored colours. A picture with a
// transparent palette entry, a transparent colour or an alpha channel also gets a mask,
// white where the pixel's alpha is below 128, and its transparency becomes trPng; those pixels
// are black in the picture, as in a GIF's. Other pictures leave mask and transparency alone. Corrupt data, or a picture beyond the size
// limit (ImageTypes.h), gives nothing. libpng's messages are not printed.

#include <memory>

#include "html/images/ImageTypes.h"

class TBitmap;

std::unique_ptr<TBitmap> ReadPng(TImageBytes bytes, TTransparency& transparency,
                                 std::unique_ptr<TBitmap>& mask);
