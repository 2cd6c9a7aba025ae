#pragma once
// The process-wide image cache: decoded pictures shared by every document and every viewer,
// each entry counting the image objects (and backgrounds) that hold it and ageing out when
// documents change.
//
// Keys are the sources a host is asked for, with the blanks and control characters around them
// removed, or the full names of the files pictures were read from (ImageLoad.h). Letter case
// is kept: file names are case-sensitive here, so "Logo.gif" and "logo.gif" are two pictures.
// An entry owns its picture and mask; the cache owns its entries.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "html/images/GIFImage.h"
#include "html/images/ImageTypes.h"

class TBitmap;

// One cache entry.
class TBitmapItem {
 public:
  int Age = 0;    // document changes since the entry was last handed out
  int Users = 0;  // image objects and backgrounds holding it now
  // How Mask was made, or trAlpha for a picture with an alpha channel; trNone when opaque.
  TTransparency Transparency = trNone;
  std::unique_ptr<TBitmap> Bitmap;      // a plain picture, or
  std::unique_ptr<TGIFImage> Gif;       // an animated GIF (never a GIF of one frame)
  std::unique_ptr<TBitmap> Mask;        // monochrome, white where transparent; or none
  // With a mask made from the lower-left pixel: Bitmap black where Mask is white, made once
  // with the mask (a GIF's own mask comes with its picture black there already).
  std::unique_ptr<TBitmap> Cut;

  TPicture Image() const { return {Bitmap.get(), Gif.get()}; }
  // The picture to draw through Mask.
  const TBitmap* MaskedPicture() const { return Cut ? Cut.get() : Bitmap.get(); }
};

class TStringBitmapList {
 public:
  // Entries older than this that nobody holds go at the next AgeAndPurge (4 at first; the
  // viewer sets its ImageCacheCount).
  int MaxCache = 4;

  // The key a source the host is asked for is cached under.
  static std::u32string KeyOf(std::u32string_view source);

  // The entry under key, or null.
  TBitmapItem* Find(const std::u32string& key) const;
  // Adds an entry (replacing one under the same key) and counts one user of it.
  TBitmapItem& AddObject(const std::u32string& key, std::unique_ptr<TBitmapItem> item);
  // Hands an entry out: its age starts again at 0 and it has one user more.
  TPicture TakeImage(TBitmapItem& item);
  // One user of the entry under key (as LoadImage gave it) is gone; the entry stays.
  void ReleaseImage(const std::u32string& key);
  // A document change: every entry ages by one, and those older than MaxCache that nobody
  // holds are freed.
  void AgeAndPurge();
  // Frees the entries older than limit that nobody holds (ages stay), then MaxCache := limit.
  void SetCacheLimit(int limit);
  // Frees every entry nobody holds, whatever its age.
  void PurgeUnused();
  // Frees every entry; only while no document holds one (tests and tools between pages).
  void Clear() { Items.clear(); }
  std::size_t Count() const { return Items.size(); }

  auto begin() const { return Items.begin(); }
  auto end() const { return Items.end(); }

 private:
  template <typename TPredicate>
  void RemoveIf(TPredicate predicate);

  std::map<std::u32string, std::unique_ptr<TBitmapItem>> Items;
};

// The cache of the process.
TStringBitmapList& ImageCache();
