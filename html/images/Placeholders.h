#pragma once
// The three 16 x 16 pictures shown in place of a real one, drawn here from pixel maps and
// shared by the whole process:
// - ErrorImage: a sheet with a red cross, for a picture that could not be loaded; shown
//   through ErrorImageMask (white where transparent), which leaves the page around the
//   sheet's outline visible.
// - DefaultImage: a small landscape in a frame, for pictures while images are switched off
//   or while a host has not delivered them yet. Opaque.

class TBitmap;

inline constexpr int PlaceholderSize = 16;

const TBitmap& ErrorImage();
const TBitmap& ErrorImageMask();
const TBitmap& DefaultImage();
