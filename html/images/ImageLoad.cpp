#include "html/images/ImageLoad.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "html/images/BmpReader.h"
#include "html/images/GIFImage.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageSource.h"
#include "html/images/JpegReader.h"
#include "html/images/PngReader.h"
#include "html/images/ScreenColors.h"
#include "html/images/SvgImage.h"
#include "html/images/SvgRoot.h"
#include "html/support/Utf8.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace {

// Streams shorter than this hold no picture worth decoding.
constexpr std::size_t MinStreamLength = 20;

bool StartsWith(TImageBytes bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::memcmp(bytes.data(), prefix.data(), prefix.size()) == 0;
}

TImageBytes BytesOf(const TMemoryStream& stream) {
  return {reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()};
}

// A GIF: an animated one stays a TGIFImage; one of a single frame becomes a plain bitmap of
// its composed screen at once, with the GIF's own mask (trGif) or, when asked for, one from
// the lower-left pixel.
TDecodedImage BuildGif(TImageBytes bytes, TTransparency& transparency) {
  TDecodedImage result;
  auto gif = std::make_unique<TGIFImage>();
  if (!gif->Scan(bytes)) return result;
  gif->SetAnimate(false);
  gif->SetVisible(false);
  const bool animated = gif->IsAnimated();
  bool loaded = false;
  try {
    loaded = gif->Load(bytes);
  } catch (const std::bad_alloc&) {
  }
  if (!loaded) {
    ImageCache().PurgeUnused();
    return result;
  }
  if (animated) {
    result.Gif = std::move(gif);
    return result;
  }
  result.Bitmap = std::make_unique<TBitmap>(gif->Composed());
  if (const TBitmap* gifMask = gif->ComposedMask()) {
    result.Mask = std::make_unique<TBitmap>(*gifMask);
    transparency = trGif;
  } else if (transparency == trLowerLeft) {
    result.Mask = MakeTransparencyMask(*result.Bitmap);
  }
  return result;
}

// Any kind the loader knows; the GIF decoder first for what starts as a GIF. An SVG picture
// from a file or a host is a document of its own: its currentColor is black.
TDecodedImage DecodeImage(TImageBytes bytes, TTransparency& transparency,
                          const TSvgRenderer* svg) {
  const TImageKind kind = ImageKindOf(bytes);
  if (kind == ikGif87 || kind == ikGif89) return BuildGif(bytes, transparency);
  if (kind == ikSvg) return DecodeSvg(bytes, svg, clBlack, transparency);
  TDecodedImage result;
  result.Bitmap = DecodeBitmap(bytes, transparency, result.Mask);
  return result;
}

// An entry that now has a mask from its lower-left pixel: the picture cut for it, once.
void GiveCut(TBitmapItem& item) {
  item.Transparency = trLowerLeft;
  if (!item.Cut) item.Cut = CutOut(*item.Bitmap, *item.Mask);
}

}  // namespace

int TPicture::Width() const { return Bitmap ? Bitmap->Width() : Gif ? Gif->ScreenWidth() : 0; }
int TPicture::Height() const { return Bitmap ? Bitmap->Height() : Gif ? Gif->ScreenHeight() : 0; }

const TMemoryStream* WaitStream() {
  static const TMemoryStream sentinel;
  return &sentinel;
}

TImageKind ImageKindOf(TImageBytes bytes) {
  if (StartsWith(bytes, "GIF8")) return bytes.size() > 4 && bytes[4] == '9' ? ikGif89 : ikGif87;
  if (StartsWith(bytes, "BM")) return ikBmp;
  if (StartsWith(bytes, "\x89PNG")) return ikPng;
  if (StartsWith(bytes, "\xFF\xD8")) return ikJpeg;
  if (IsSvg(bytes)) return ikSvg;
  return ikUnknown;
}

bool ReadImageFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  if (error || size > MaxImageFileBytes) return false;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return false;
  bytes.resize(std::size_t(size));
  file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
  bytes.resize(std::size_t(file.gcount()));
  return true;
}

std::unique_ptr<TBitmap> DecodeBitmap(TImageBytes bytes, TTransparency& transparency,
                                      std::unique_ptr<TBitmap>& mask) {
  std::unique_ptr<TBitmap> bitmap;
  switch (ImageKindOf(bytes)) {
    case ikBmp: bitmap = ReadBmp(bytes); break;
    case ikJpeg:
      bitmap = ReadJpeg(bytes, DisplayColorBits() == 8 ? SharedPalette() : nullptr);
      break;
    case ikPng: bitmap = ReadPng(bytes); break;
    default: return nullptr;
  }
  if (!bitmap) return nullptr;
  if (bitmap->HasAlpha())
    transparency = trAlpha;
  else if (transparency == trLowerLeft)
    mask = MakeTransparencyMask(*bitmap);
  ConvertToScreenBitmap(*bitmap);
  return bitmap;
}

TDecodedImage LoadImageFile(const std::string& fileName, TTransparency& transparency,
                            const TSvgRenderer* svg) {
  std::vector<std::uint8_t> bytes;
  if (!ReadImageFile(fileName, bytes)) return {};
  return DecodeImage(bytes, transparency, svg);
}

TDecodedImage LoadImageStream(const TMemoryStream* stream, TTransparency& transparency,
                              const TSvgRenderer* svg) {
  if (!stream || stream->size() < MinStreamLength) return {};
  const TImageBytes bytes = BytesOf(*stream);
  if (ImageKindOf(bytes) == ikJpeg) transparency = trNone;
  return DecodeImage(bytes, transparency, svg);
}

std::unique_ptr<TBitmap> MakeTransparencyMask(const TBitmap& bitmap, bool useColor, TColor color) {
  if (bitmap.IsEmpty()) return nullptr;
  if (!useColor) color = bitmap.Pixel(0, bitmap.Height() - 1);
  const std::uint32_t key = TBitmap::ToWord(color & 0xFFFFFF), white = TBitmap::ToWord(clWhite);
  auto mask = std::make_unique<TBitmap>(bitmap.Width(), bitmap.Height(), true);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint32_t* in = bitmap.ScanLine(y);
    std::uint32_t* out = mask->ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      if (in[x] == key) out[x] = white;
  }
  return mask;
}

std::unique_ptr<TBitmap> CutOut(const TBitmap& picture, const TBitmap& mask) {
  auto cut = std::make_unique<TBitmap>(picture);
  for (int row = 0; row < cut->Height(); ++row) {
    std::uint32_t* pixels = cut->ScanLine(row);
    for (int column = 0; column < cut->Width(); ++column)
      if (mask.Pixel(column, row) == clWhite) pixels[column] = TBitmap::ToWord(clBlack);
  }
  return cut;
}

void DrawMasked(TCanvas& canvas, const TBitmap& image, const TBitmap& mask, int height, int width,
                int y, int x) {
  if (image.IsEmpty() || width <= 0 || height <= 0) return;
  // The mask clears the opaque pixels; the image, black where transparent, is ORed in.
  const TRect dest{x, y, x + width, y + height};
  const TColor text = canvas.TextColor(), back = canvas.BackColor();
  canvas.SetTextColor(clBlack);
  canvas.SetBackColor(clWhite);
  canvas.StretchDraw(dest, mask, ropAnd);
  canvas.StretchDraw(dest, image, ropOr);
  canvas.SetTextColor(text);
  canvas.SetBackColor(back);
}

std::u32string FileKey(const std::string& fileName) {
  std::u32string key;
  key.reserve(fileName.size());
  for (const char byte : fileName) key += char32_t(static_cast<unsigned char>(byte));
  return key;
}

TLoadedImage TakeCachedImage(TBitmapItem& item, const std::u32string& key,
                             TTransparency& transparency) {
  TLoadedImage result;
  result.Picture = ImageCache().TakeImage(item);
  result.FromCache = true;
  result.Key = key;
  if (result.Picture.Bitmap) {
    if (item.Transparency == trGif || item.Transparency == trAlpha) {
      transparency = item.Transparency;
    } else if (transparency == trLowerLeft) {
      if (!item.Mask) item.Mask = MakeTransparencyMask(*item.Bitmap);
      if (item.Mask) GiveCut(item);
    }
    result.Mask = item.Mask.get();
    if (result.Mask) result.Cut = item.MaskedPicture();
  }
  return result;
}

TLoadedImage CacheImage(const std::u32string& key, TDecodedImage decoded,
                        TTransparency transparency) {
  auto item = std::make_unique<TBitmapItem>();
  item->Bitmap = std::move(decoded.Bitmap);
  item->Gif = std::move(decoded.Gif);
  item->Mask = std::move(decoded.Mask);
  const bool alpha = item->Bitmap && item->Bitmap->HasAlpha();
  item->Transparency = item->Mask || alpha ? transparency : trNone;
  if (item->Transparency == trLowerLeft) GiveCut(*item);
  TBitmapItem& added = ImageCache().AddObject(key, std::move(item));
  TLoadedImage result;
  result.Picture = added.Image();
  result.Mask = added.Mask.get();
  if (result.Mask) result.Cut = added.MaskedPicture();
  result.Key = key;
  return result;
}

TLoadedImage LoadImage(TImageSource* source, const std::u32string& name,
                       TTransparency& transparency, const TSvgRenderer* svg) {
  TLoadedImage result;
  if (name.empty()) return result;
  const bool asksHost = source && source->AnswersImageRequests();
  const std::string fileName =
      asksHost ? std::string() : source ? source->ImageFileName(name) : EncodeUtf8(name);
  TStringBitmapList& cache = ImageCache();
  const std::u32string key = asksHost ? TStringBitmapList::KeyOf(name) : FileKey(fileName);
  if (key.empty()) return result;
  if (TBitmapItem* item = cache.Find(key)) return TakeCachedImage(*item, key, transparency);

  TDecodedImage decoded;
  if (asksHost) {
    const TMemoryStream* stream = source->RequestImage(name);
    if (stream == WaitStream()) {
      result.Delayed = true;
      return result;
    }
    decoded = LoadImageStream(stream, transparency, svg);
  } else {
    decoded = LoadImageFile(fileName, transparency, svg);
  }
  if (decoded.Empty()) return result;
  return CacheImage(key, std::move(decoded), transparency);
}
