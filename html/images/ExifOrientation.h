#pragma once
// Photos the right way up: the orientation a camera records in a JPEG's EXIF data, and the
// turn or mirror that shows the picture upright.
//
// The orientation is tag 0x0112 of the first image directory of the TIFF structure inside an
// APP1 segment that starts with "Exif\0\0". Its values, as the EXIF standard numbers them, say
// where the stored picture's first row and first column belong:
//   1 top, left (as stored)        5 left, top (mirrored along the main diagonal)
//   2 top, right (mirrored)        6 right, top (turned 90 degrees clockwise to show)
//   3 bottom, right (turned 180)   7 right, bottom (mirrored along the other diagonal)
//   4 bottom, left (flipped)       8 left, bottom (turned 90 degrees anticlockwise to show)
// Every offset is checked before it is read; anything missing, cut short or out of range
// counts as 1.

#include "html/images/ImageTypes.h"

class TBitmap;

// The orientation an APP1 segment's content (the bytes after its length) records, 1 to 8.
int ExifOrientation(TImageBytes segment);

// The picture as it is to be shown for an orientation (5 to 8 swap width and height).
TBitmap Oriented(const TBitmap& stored, int orientation);
