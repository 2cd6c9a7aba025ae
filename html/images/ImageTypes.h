#pragma once
// Small types every part of the image subsystem shares: what a loaded picture is, how its
// transparency was made, the kinds of image data, the bytes a host hands over, and the limits
// that keep a hostile picture from taking unbounded memory.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class TBitmap;
class TGIFImage;

// How a picture's mask was made (order fixed).
enum TTransparency : std::uint8_t {
  trNone,       // opaque
  trLowerLeft,  // the colour of the lower-left pixel is transparent (the TRANSP attribute)
  trGif,        // the GIF's own transparent colour index
  trAlpha,      // an alpha channel of its own: a PNG's (also from a transparent palette
                // entry or colour) or an SVG's
};

// What the first bytes of image data say it is (order fixed).
enum TImageKind { ikUnknown, ikBmp, ikGif87, ikGif89, ikPng, ikJpeg, ikSvg };

// Image data a host hands over in answer to an image request: the bytes of an image file.
using TMemoryStream = std::string;

// The bytes of image data, however they came.
using TImageBytes = std::span<const std::uint8_t>;

// Limits. A picture of any kind with more than MaxImagePixels pixels (4096 x 4096) or a side
// longer than MaxImageSide is refused like a failed read: it shows as the error picture. The
// GIF decoder keeps a tighter budget on top of this (GIFImage.h).
inline constexpr std::int64_t MaxImagePixels = std::int64_t(4096) * 4096;
inline constexpr int MaxImageSide = 32767;
// Image files longer than this are not read at all.
inline constexpr std::uintmax_t MaxImageFileBytes = 256u * 1024 * 1024;

// Whether a picture of this size may be made.
constexpr bool ImageSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
         width * height <= MaxImagePixels;
}

// A decoded picture as the cache hands it out: a plain bitmap, or an animated GIF (a GIF of
// one frame becomes a plain bitmap at once). Neither is owned here.
struct TPicture {
  const TBitmap* Bitmap = nullptr;
  TGIFImage* Gif = nullptr;

  bool Empty() const { return !Bitmap && !Gif; }
  // The natural size: the bitmap's, or the GIF's logical screen.
  int Width() const;
  int Height() const;
};
