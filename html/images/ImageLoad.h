#pragma once
// Turning an image source into something that can be painted: the cache lookup, the host's
// image request or the file, the decoders (our GIF and BMP readers, JPEG through libjpeg, PNG
// through libpng, SVG through the platform's renderer), transparency masks, and painting a
// bitmap through its mask.
//
// Failures never reach the user: every load that fails (file missing, kind unknown or
// unsupported, data corrupt, picture too large) gives nothing, and the caller shows the error
// picture. A picture's kind is known by its first bytes, never by a file name's extension.

#include <memory>
#include <string>
#include <vector>

#include "html/images/GIFImage.h"
#include "html/images/ImageTypes.h"
#include "platform/Color.h"

class TBitmap;
class TBitmapItem;
class TCanvas;
class TImageSource;
class TSvgRenderer;

// The kind the first bytes of image data say: GIF ("GIF8", then "9" for GIF89a), BMP ("BM"),
// PNG (0x89 "PNG"), JPEG (0xFF 0xD8), tested in that order, then SVG (an XML document whose
// first element is svg, SvgRoot.h).
TImageKind ImageKindOf(TImageBytes bytes);

// The bytes of a file: false when it is no regular file, cannot be read or is longer than
// MaxImageFileBytes.
bool ReadImageFile(const std::string& fileName, std::vector<std::uint8_t>& bytes);

// Decodes BMP, JPEG or PNG data into a bitmap ready to paint (ScreenColors.h); GIF and other
// kinds give nothing. transparency comes in as trLowerLeft when a mask is asked for from the
// colour of the lower-left pixel (made before the colours are converted), else trNone; a
// picture with an alpha channel of its own (PngReader.h) answers trAlpha and gets no mask.
std::unique_ptr<TBitmap> DecodeBitmap(TImageBytes bytes, TTransparency& transparency,
                                      std::unique_ptr<TBitmap>& mask);

// A picture as the loader makes it, with its mask: a plain bitmap, or an animated GIF (which
// has no mask of its own; a GIF of one frame becomes a bitmap of its composed screen, with the
// GIF's mask as trGif when it is transparent). Empty when decoding failed.
struct TDecodedImage {
  std::unique_ptr<TBitmap> Bitmap;
  std::unique_ptr<TGIFImage> Gif;
  std::unique_ptr<TBitmap> Mask;
  bool Empty() const { return !Bitmap && !Gif; }
};
// Decodes an image file of any kind the loader knows. transparency as for DecodeBitmap; a
// transparent GIF answers trGif, a transparent SVG trAlpha. SVG is drawn by svg (SvgImage.h);
// without one it gives nothing.
TDecodedImage LoadImageFile(const std::string& fileName, TTransparency& transparency,
                            const TSvgRenderer* svg = nullptr);
// The same for a host's stream, with two rules of streams: one shorter than 20 bytes gives
// nothing, and a JPEG from a stream never gets a mask (its transparency becomes trNone).
TDecodedImage LoadImageStream(const TMemoryStream* stream, TTransparency& transparency,
                              const TSvgRenderer* svg = nullptr);

// A monochrome mask of bitmap, white where a pixel has the colour (with useColor) or the
// colour of the lower-left pixel (without); null for an empty bitmap.
std::unique_ptr<TBitmap> MakeTransparencyMask(const TBitmap& bitmap, bool useColor = false,
                                              TColor color = clBlack);

// Paints image scaled to width x height at (x, y), canvas coordinates, so that the pixels where
// mask is white leave the canvas as it was. image must be black wherever mask is white (a
// GIF's picture, the error picture and a cache entry's MaskedPicture are).
void DrawMasked(TCanvas& canvas, const TBitmap& image, const TBitmap& mask, int height,
                int width, int y, int x);

// The picture black wherever mask is white, for DrawMasked.
std::unique_ptr<TBitmap> CutOut(const TBitmap& picture, const TBitmap& mask);

// What LoadImage gives.
struct TLoadedImage {
  TPicture Picture;               // nothing when the load failed or was delayed
  const TBitmap* Mask = nullptr;  // the cache entry's mask, or none
  const TBitmap* Cut = nullptr;   // with a mask: the picture to draw through it (DrawMasked)
  bool Delayed = false;           // the host answered WaitStream()
  bool FromCache = false;         // the picture was cached already
  // The cache entry the picture counts one user of, to be given back with
  // ImageCache().ReleaseImage(Key); empty when nothing was handed out.
  std::u32string Key;
};

// The one entry point of image objects and the page background. When source answers image
// requests, the host is asked for name as the document wrote it; otherwise (also without a
// source) name is a file: source's ImageFileName of it, or name itself as UTF-8 without one.
// transparency: in, trLowerLeft for a TRANSP image, else trNone; out, how the picture is
// transparent when it is so of its own (trGif, trAlpha) or by the request (trLowerLeft).
// svg draws SVG pictures (the document's platform); without one they fail like any
// undecodable picture.
TLoadedImage LoadImage(TImageSource* source, const std::u32string& name,
                       TTransparency& transparency, const TSvgRenderer* svg = nullptr);

// The two halves of LoadImage around the decoding, for the loaders of other sources
// (SvgImage.h): a cache entry handed out under key, with the mask rules of a cache hit; and a
// decoded picture entered under key, its mask kept when it has one.
TLoadedImage TakeCachedImage(TBitmapItem& item, const std::u32string& key,
                             TTransparency& transparency);
TLoadedImage CacheImage(const std::u32string& key, TDecodedImage decoded,
                        TTransparency transparency);

// The cache key of a file name: its bytes, one character each, so that any name maps to one
// key and back.
std::u32string FileKey(const std::string& fileName);
