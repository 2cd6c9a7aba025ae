#pragma once
// TImageObj: one IMG tag, an inline image of a text section. It reads its attributes, fetches
// its picture through the image loading (ImageLoad.h) when layout first measures it, settles
// its size, draws the picture (or a placeholder with its ALT text) with a border inside links,
// and answers clicks on it, through a client-side map when it names one.
//
// Coordinates follow TInlineImage (InlineObjects.h) and the drawing convention of Canvas.h:
// DrawImage takes document coordinates and subtracts the document's ScrollTop where it meets
// the canvas; DrawX and DrawY keep the top-left of the picture area (the box less its border)
// as last drawn, in document coordinates, and the point queries answer for that place.
//
// A form's image input is one of these (TFormImage) that answers clicks itself. An svg element
// written inline in a page is one too, holding the element's source instead of a SRC
// (MakeInlineSvgImage in SvgImage.h).

#include <memory>
#include <optional>
#include <string>

#include "html/document/InlineObjects.h"
#include "html/images/ImageTypes.h"
#include "html/parser/Attributes.h"
#include "platform/Color.h"

class TBitmap;
class TGIFImage;

// Which picture an image shows.
enum TPictureKind { pkBitmap, pkGif, pkError, pkDefault };

class TImageObj : public TInlineImage {
 public:
  // Reads SRC, ALT, ALIGN, WIDTH, HEIGHT, HSPACE, BORDER, ISMAP, USEMAP and TRANSP, in the
  // order written (a later one overwrites an earlier one):
  // - ALIGN (any case): TOP, MIDDLE or ABSMIDDLE, LEFT, RIGHT; others keep iaBottom.
  // - WIDTH: a number, or with "%" a percentage of the available width (only 1..100 counts).
  // - HEIGHT: at least 1. HSPACE: its absolute value, at most 20 (5 without).
  // - BORDER=0 leaves out the border an image inside a link gets; other values change nothing.
  // - USEMAP: the map's name upper-cased and trimmed, a leading "#" dropped (when more follows).
  // - TRANSP: the colour of the lower-left pixel is transparent.
  explicit TImageObj(const TAttributeList& attributes);
  ~TImageObj() override;

  int SpecWidth = 0;   // WIDTH in pixels or percent; 0 when not given
  int SpecHeight = 0;  // HEIGHT in pixels; 0 when not given
  int ObjWidth = 0;    // the picture area, border excluded
  int ObjHeight = 0;
  std::u32string Source;  // SRC as written
  std::string SvgSource;  // an inline svg element as XML (UTF-8); the picture when not empty
  TColor SvgColor = clBlack;  // what currentColor stands for in SvgSource
  std::u32string Alt;
  bool NoBorder = false;
  TTransparency Transparent = trNone;
  bool UseMap = false;
  std::u32string MapName;
  bool HasBorder = false;  // a one-pixel border in the link colour surrounds the picture
  bool SizeKnown = false;  // the size is settled and not computed again
  int DrawX = 0;           // top-left of the picture area as last drawn (see above)
  int DrawY = 0;
  TSectionList* Owner = nullptr;  // the document, from the first ComputeSize on

  // Fetches the picture the first time images are shown, then settles the size:
  // - A placeholder (error or default picture) takes WIDTH x HEIGHT when both are given (a
  //   percentage as that many pixels), else its own 16 x 16 grown to hold the ALT text in
  //   Arial 8 points (text width + 24 by at least 24, e.g. 86 x 24 for 60 pixels of text).
  // - A percentage WIDTH follows the available width at every layout.
  // - Otherwise the given WIDTH and HEIGHT, the other one from the picture's aspect ratio
  //   when only one is given, or the natural size.
  // ImageWidth and ImageHeight add 2 for the border an image inside a link gets.
  void ComputeSize(TSectionList& document, TCanvas& canvas, int availableWidth,
                   const TFontObj& font) override;
  // Paints the image's box at x in its line: the picture through its mask, or a placeholder's
  // picture (when the box is at least 24 x 24), sunken frame and ALT text; the border of a
  // linked image in the link's colour.
  void DrawImage(TCanvas& canvas, int x, const TFontObj& font, int baseline, int top) override;
  bool ContainsPoint(int x, int y, int& xInImage, int& yInImage) const override;
  // With a USEMAP naming a map of the document, the map's area at the point decides (nothing
  // when none holds it); otherwise the text's link does (false).
  bool AnswersClick(int xInImage, int yInImage, TInlineControl*& formControl,
                    std::optional<TUrlTarget>& link) override;

  // The picture for the host's image commands (the image window, copying an image): a copy of
  // the plain picture made once, or the animated GIF's current picture; null for the error and
  // default pictures and before the picture was fetched. The bitmap belongs to the image
  // object and lives as long as it does (a GIF's is remade by each call).
  const TBitmap* PictureForHost();

  TPictureKind PictureKind() const;
  // The picture as fetched (none before, or while images are off and it was never fetched).
  const TPicture& Picture() const { return Image; }

 private:
  // Fetches the picture through the document's image source, or draws the inline SVG.
  void Fetch(TSectionList& document);
  bool IsPlaceholder() const;
  // The picture drawn and measured now: Image, or the default picture while images are off.
  TPicture Shown() const;

  TPicture Image;                    // borrowed from the cache, the copy below, or a placeholder
  const TBitmap* Mask = nullptr;     // borrowed
  const TBitmap* Cut = nullptr;      // borrowed: the picture to draw through Mask
  std::unique_ptr<TGIFImage> GifCopy;  // an animated GIF of the cache's, for this image alone
  std::unique_ptr<TBitmap> HostCopy;
  std::u32string CacheKey;           // the cache entry this image holds; empty for none
  bool Drawn = false;                // DrawX and DrawY are known
};

// Draws text word by word into the rectangle from (left, top) to (right, bottom), canvas
// coordinates: lines of the height of "A", each holding the words that fit (a word wider than
// the rectangle stands alone), every line cut to the rectangle; drawing stops at the first
// line that would pass bottom.
void DrawAltText(TCanvas& canvas, int left, int top, std::u32string_view text, int bottom,
                 int right);
