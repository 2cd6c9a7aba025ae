#pragma once
// Decoding PNG data through libpng's reading interface, beyond the design, which knows PNG
// only by its signature.
//
// Every colour type, bit depth and interlace is read as 8-bit red, green, blue and alpha; a
// 16-bit sample v becomes round(v / 257), so a sample written as 257 x n reads back as n.
// Samples are taken as stored: only the chunks a picture needs are handed to libpng (header,
// palette, transparency, image data, end), and only those whose length the data holds, so
// gamma, colour profiles, text and other ancillary chunks play no part. A picture with a
// transparent palette entry, a transparent colour or an alpha channel, and with at least one
// pixel not fully opaque, comes as a bitmap with an alpha channel (Bitmap.h); any other as a
// plain bitmap. Corrupt or truncated data, or a picture beyond the size limit (ImageTypes.h),
// gives nothing. libpng's messages are not printed.

#include <memory>

#include "html/images/ImageTypes.h"

class TBitmap;

std::unique_ptr<TBitmap> ReadPng(TImageBytes bytes);
