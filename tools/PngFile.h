#pragma once
// Writing a picture as a PNG file through libpng, for the tools and for tests that need PNG
// data of their own.

#include <string>
#include <vector>

class TBitmap;

// The picture as PNG bytes, 8-bit RGBA; with a mask, its white pixels get alpha 0 and all
// others 255, without one every pixel is opaque. Empty when libpng fails.
std::vector<unsigned char> EncodePng(const TBitmap& picture, const TBitmap* mask = nullptr);
// EncodePng into a file; false when it cannot be made or written.
bool WritePngFile(const std::string& fileName, const TBitmap& picture,
                  const TBitmap* mask = nullptr);
