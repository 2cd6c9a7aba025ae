#include "html/images/ImageObj.h"

#include <algorithm>
#include <cstdlib>

#include "html/document/FontObj.h"
#include "html/document/MyFont.h"
#include "html/document/SectionList.h"
#include "html/images/GIFImage.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageLoad.h"
#include "html/images/MapItem.h"
#include "html/images/Placeholders.h"
#include "html/images/SvgImage.h"
#include "html/support/LetterCase.h"
#include "html/support/Trim.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace {

constexpr int MaxHSpace = 20;
// Placeholders: the room the picture takes left of the ALT text, the smallest box that shows
// the picture, and the inset of the picture in the box.
constexpr int AltTextIndent = 24;
constexpr int MinPlaceholderBox = 24;
constexpr int PlaceholderInset = 4;

TFontDesc AltFont() {
  TFontDesc font;
  font.Name = "Arial";
  font.Size = 8;
  font.Color = clBlack;
  return font;
}

// a * b / c rounded to nearest; 0 for a picture without pixels.
int Scaled(int a, int b, int c) { return c == 0 ? 0 : std::min(MulDiv(a, b, c), MaxImageSide); }

// Sizes from attributes stay within what a picture may measure.
int SizeValue(std::int32_t value) { return std::clamp(value, 0, MaxImageSide); }

// The sunken frame of a placeholder on the outermost pixels of the box.
void DrawSunkenFrame(TCanvas& canvas, const TRect& box) {
  if (box.IsEmpty()) return;
  canvas.SetPen(clBtnShadow);
  canvas.MoveTo(box.Left, box.Bottom - 1);
  canvas.LineTo(box.Left, box.Top);
  canvas.LineTo(box.Right - 1, box.Top);
  canvas.SetPen(clBtnHighlight);
  canvas.LineTo(box.Right - 1, box.Bottom - 1);
  canvas.LineTo(box.Left - 1, box.Bottom - 1);
}

}  // namespace

TImageObj::TImageObj(const TAttributeList& attributes) {
  for (const auto& attribute : attributes) {
    const std::u32string& text = attribute->StrValue;
    const std::int32_t number = attribute->IntValue;
    switch (attribute->Symbol) {
      case symSrc: Source = text; break;
      case symAlt: Alt = text; break;
      case symAlign: {
        const std::u32string upper = UpperAscii(text);
        if (upper == U"TOP")
          Align = iaTop;
        else if (upper == U"MIDDLE" || upper == U"ABSMIDDLE")
          Align = iaMiddle;
        else if (upper == U"LEFT")
          Align = iaLeft;
        else if (upper == U"RIGHT")
          Align = iaRight;
        break;
      }
      case symBorder: NoBorder = number == 0; break;
      case symWidth:
        if (text.find(U'%') != std::u32string::npos) {
          if (number >= 1 && number <= 100) {
            SpecWidth = number;
            PercentWidth = true;
          }
        } else {
          SpecWidth = SizeValue(number);
          PercentWidth = false;
        }
        break;
      case symHeight: SpecHeight = std::max(1, SizeValue(number)); break;
      case symTransp: Transparent = trLowerLeft; break;
      case symIsmap: IsMap = true; break;
      case symUsemap: {
        UseMap = true;
        MapName = MapNameKey(TrimControls(text));
        if (MapName.size() > 1 && MapName[0] == U'#') MapName.erase(0, 1);
        break;
      }
      case symHspace:
        HSpace = int(std::min<std::int64_t>(MaxHSpace, std::llabs(std::int64_t(number))));
        break;
      default: break;
    }
  }
}

TImageObj::~TImageObj() {
  if (Owner && Image.Gif) std::erase(Owner->AnimatedImages, Image.Gif);
  if (!CacheKey.empty()) ImageCache().ReleaseImage(CacheKey);
}

bool TImageObj::IsPlaceholder() const {
  return Image.Bitmap == &ErrorImage() || Image.Bitmap == &DefaultImage();
}

TPicture TImageObj::Shown() const {
  if (Owner && !Owner->ImagesEnabled) return {&DefaultImage(), nullptr};
  if (Image.Empty()) return {&DefaultImage(), nullptr};
  return Image;
}

TPictureKind TImageObj::PictureKind() const {
  const TPicture shown = Shown();
  if (shown.Gif) return pkGif;
  if (shown.Bitmap == &ErrorImage()) return pkError;
  if (shown.Bitmap == &DefaultImage()) return pkDefault;
  return pkBitmap;
}

void TImageObj::Fetch(TSectionList& document) {
  const std::u32string pendingKey = TStringBitmapList::KeyOf(Source);
  const bool pending = SvgSource.empty() &&
                       std::find(document.PendingImages.begin(), document.PendingImages.end(),
                                 pendingKey) != document.PendingImages.end();
  TLoadedImage loaded;
  const TSvgRenderer& svg = document.Graphics.SvgRenderer();
  if (!SvgSource.empty())
    loaded = LoadInlineSvg(svg, SvgSource, document.Graphics.SystemColors().Resolve(SvgColor),
                           Transparent);
  else if (!pending)
    loaded = LoadImage(document.ImageSource, Source, Transparent, &svg);
  if (!loaded.Picture.Empty()) {
    CacheKey = loaded.Key;
    Image = loaded.Picture;
    Mask = loaded.Mask;
    Cut = loaded.Cut;
    if (Image.Gif) {
      // A cached GIF was first shown by another image; this one animates a copy of its own.
      if (loaded.FromCache) {
        GifCopy = Image.Gif->CreateCopy();
        Image.Gif = GifCopy.get();
      }
      document.AnimatedImages.push_back(Image.Gif);
    }
  } else if (pending || loaded.Delayed) {
    Image = {&DefaultImage(), nullptr};
    if (!pending) document.PendingImages.push_back(pendingKey);
  } else {
    Image = {&ErrorImage(), nullptr};
    Mask = &ErrorImageMask();
    Cut = &ErrorImage();
    Transparent = trLowerLeft;
  }
}

void TImageObj::ComputeSize(TSectionList& document, TCanvas& canvas, int availableWidth,
                            const TFontObj& font) {
  Owner = &document;
  if (document.ImagesEnabled && Image.Empty()) Fetch(document);
  const TPicture shown = Shown();
  const int naturalWidth = shown.Width(), naturalHeight = shown.Height();
  const bool placeholder = !document.ImagesEnabled || IsPlaceholder();
  if (!SizeKnown) {
    if (placeholder) {
      if (SpecWidth > 0 && SpecHeight > 0) {
        ObjWidth = SpecWidth;
        ObjHeight = SpecHeight;
        SizeKnown = true;
      } else {
        ObjWidth = naturalWidth;
        ObjHeight = naturalHeight;
      }
    } else if (PercentWidth) {
      ObjWidth = Scaled(std::max(availableWidth, 0), SpecWidth, 100);
      // Without a HEIGHT the picture keeps its proportions.
      ObjHeight = SpecHeight > 0 ? SpecHeight : Scaled(ObjWidth, naturalHeight, naturalWidth);
    } else {
      if (SpecWidth > 0 && SpecHeight > 0) {
        ObjWidth = SpecWidth;
        ObjHeight = SpecHeight;
      } else if (SpecHeight > 0) {
        ObjHeight = SpecHeight;
        ObjWidth = Scaled(SpecHeight, naturalWidth, naturalHeight);
      } else if (SpecWidth > 0) {
        ObjWidth = SpecWidth;
        ObjHeight = Scaled(SpecWidth, naturalHeight, naturalWidth);
      } else {
        ObjWidth = naturalWidth;
        ObjHeight = naturalHeight;
      }
      SizeKnown = true;
    }
  }
  if (placeholder && !SizeKnown) {
    int textWidth = 0, textHeight = 0;
    if (!Alt.empty()) {
      canvas.SetFont(AltFont());
      textWidth = canvas.TextWidth(Alt) + 2;
      textHeight = canvas.TextMetrics().Height;
    }
    ObjWidth = std::max(ObjWidth, textWidth + AltTextIndent);
    ObjHeight = std::max({ObjHeight, MinPlaceholderBox, textHeight});
  }
  ImageWidth = ObjWidth;
  ImageHeight = ObjHeight;
  HasBorder = font.IsLink() && !NoBorder;
  if (HasBorder) {
    ImageWidth += 2;
    ImageHeight += 2;
  }
}

void TImageObj::DrawImage(TCanvas& canvas, int x, const TFontObj& font, int baseline, int top) {
  if (!Owner) return;
  const int scrollTop = Owner->ScrollTop;
  canvas.SetClearBrush();

  const bool enabled = Owner->ImagesEnabled;
  const TPicture picture = Shown();
  const bool placeholder = !enabled || IsPlaceholder();
  const int inset = placeholder ? PlaceholderInset : 0;
  int boxTop = top;
  if (Align == iaMiddle)
    boxTop = baseline + font.Descent() - font.Height() / 2 - ImageHeight / 2;
  else if (Align == iaBottom)
    boxTop = baseline - ImageHeight;
  const int border = HasBorder ? 1 : 0;
  DrawX = x + border;
  DrawY = boxTop + border;
  Drawn = true;
  // The box as the canvas takes it.
  const int left = x, shownTop = boxTop - scrollTop;

  if (!placeholder || (ObjWidth >= MinPlaceholderBox && ObjHeight >= MinPlaceholderBox)) {
    const int pictureX = left + border + inset, pictureY = shownTop + border + inset;
    try {
      if (picture.Gif) {
        picture.Gif->SetVisible(true);
        picture.Gif->Draw(canvas, {DrawX, DrawY, DrawX + ObjWidth, DrawY + ObjHeight}, scrollTop);
      } else if (picture.Bitmap) {
        const bool error = picture.Bitmap == &ErrorImage();
        const TBitmap* mask = enabled ? Mask : nullptr;
        if (mask && Cut && (Transparent != trNone || error)) {
          const int width = error ? picture.Bitmap->Width() : ObjWidth;
          const int height = error ? picture.Bitmap->Height() : ObjHeight;
          DrawMasked(canvas, *Cut, *mask, height, width, pictureY, pictureX);
        } else if (placeholder) {
          canvas.Draw(pictureX, pictureY, *picture.Bitmap);
        } else {
          // A picture with an alpha channel is laid over what is drawn beneath (Canvas.h).
          canvas.StretchDraw({pictureX, pictureY, pictureX + ObjWidth, pictureY + ObjHeight},
                             *picture.Bitmap);
        }
      }
    } catch (...) {
      // A picture that cannot be painted leaves its box as it is.
    }
  }

  const TColor textColor = font.Font().Color();
  if (placeholder && !Alt.empty()) {
    canvas.SetFont(AltFont());
    canvas.SetBackgroundMode(bmTransparent);
    canvas.SetTextColor(textColor);
    DrawAltText(canvas, left + AltTextIndent, shownTop + PlaceholderInset, Alt,
                shownTop + ObjHeight - 1, left + ObjWidth - 2);
  }
  if (HasBorder) {
    canvas.SetPen(textColor);
    canvas.SetClearBrush();
    canvas.Rectangle({left, shownTop, left + ImageWidth, shownTop + ImageHeight});
  } else if (placeholder) {
    DrawSunkenFrame(canvas, {left, shownTop, left + ObjWidth, shownTop + ObjHeight});
  }
}

bool TImageObj::ContainsPoint(int x, int y, int& xInImage, int& yInImage) const {
  if (!Drawn) return false;
  const int border = HasBorder ? 2 : 0;
  xInImage = x - DrawX;
  yInImage = y - DrawY;
  return xInImage >= 0 && xInImage < ImageWidth - border && yInImage >= 0 &&
         yInImage < ImageHeight - border;
}

bool TImageObj::AnswersClick(int xInImage, int yInImage, TInlineControl*&,
                             std::optional<TUrlTarget>& link) {
  if (!UseMap || !Owner) return false;
  const TMapItem* map = Owner->FindMap(MapName);
  if (!map) return false;
  link = map->HitArea(xInImage, yInImage);
  return true;
}

const TBitmap* TImageObj::PictureForHost() {
  if (Image.Gif) return Image.Gif->HostPicture();
  if (!Image.Bitmap || IsPlaceholder()) return nullptr;
  if (!HostCopy) HostCopy = std::make_unique<TBitmap>(*Image.Bitmap);
  return HostCopy.get();
}

void DrawAltText(TCanvas& canvas, int left, int top, std::u32string_view text, int bottom,
                 int right) {
  const int lineHeight = canvas.TextMetrics().Height;
  const int ascent = canvas.TextMetrics().Ascent;
  const TRect clip{left, top, right, bottom};
  int y = top;
  std::u32string line;
  bool stopped = false;
  const auto flush = [&] {
    if (y + lineHeight > bottom) {
      stopped = true;
      return;
    }
    if (!line.empty()) canvas.TextOutClipped(clip, left, y + ascent, line);
    y += lineHeight;
  };
  while (!text.empty() && !stopped) {
    std::size_t first = 0;
    while (first < text.size() && text[first] <= U' ') ++first;
    text.remove_prefix(first);
    if (text.empty()) break;
    std::size_t end = 0;
    while (end < text.size() && text[end] > U' ') ++end;
    const std::u32string word(text.substr(0, end));
    text.remove_prefix(end);
    // A line fits by its words; the blank after the last one may stand out.
    if (line.empty() || canvas.TextWidth(line + word) <= right - left) {
      line += word + U' ';
    } else {
      flush();
      line = word + U' ';
    }
  }
  if (!stopped && !line.empty()) flush();
}
