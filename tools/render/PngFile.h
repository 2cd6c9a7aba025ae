#pragma once
// Writing a picture as a PNG file, made for speed: a screen of page is mostly runs of one
// colour, which the fastest compression packs nearly as small as the slowest.

#include <QImage>

#include <string>

// Writes the picture as 8-bit RGB; raises std::runtime_error "Can't write NAME" on failure.
void WritePngFile(const QImage& picture, const std::string& fileName);
