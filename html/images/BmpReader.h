#pragma once
// Reading Windows and OS/2 bitmap files ("BM"): the 12-byte core header and the 40-, 52-,
// 56-, 64-, 108- and 124-byte info headers; 1, 4 and 8 bits per pixel with a colour table,
// 16, 24 and 32 bits per pixel (16 and 32 also with bit-field masks); uncompressed rows
// bottom-up or top-down, and RLE8 and RLE4 compression.
//
// Every length is checked before it is read. A file whose header or pixel rows are cut short,
// an unknown header or compression, or a picture beyond the size limit (ImageTypes.h) gives
// nothing. Pixels an RLE picture never sets take colour table entry 0. Alpha is ignored.

#include <memory>

#include "html/images/ImageTypes.h"

class TBitmap;

std::unique_ptr<TBitmap> ReadBmp(TImageBytes bytes);
