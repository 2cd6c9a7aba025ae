#pragma once
// The canvas: everything the engine draws goes through one of these.
//
// Coordinates. Drawing operations take logical coordinates in pixels; the pixel a logical
// point (x, y) lands on is (x - Origin().X, y - Origin().Y) of the surface. SetOrigin moves
// that mapping, so a bitmap standing for part of a window can be painted in window
// coordinates. Shapes follow one set of pixel rules on every platform:
// - A line from p to q covers p and not q; LineTo moves the current point to q, so a chain
//   of LineTo calls covers every corner exactly once.
// - Rectangles are half-open (Geometry.h). FillRect paints Left..Right-1 by Top..Bottom-1.
// - Rectangle, Ellipse and Polygon fill their shape with the brush, then draw the pen: on the
//   outermost pixels of a rectangle (the columns Left and Right-1, the rows Top and Bottom-1)
//   or an ellipse (its pixels with a 4-neighbour outside it), and for a polygon as lines from
//   each point to the next and from the last back to the first. A clear pen leaves the brush
//   on the whole shape; a clear brush leaves the inside untouched. Ellipses and polygons
//   cover the pixels a TRegion of the same shape covers (Region.h).
// - Text is drawn at a baseline: a string output at (x, y) starts at x, its glyphs stand on
//   row y (rows y - Ascent .. y - 1 hold what is above the baseline, rows y .. y + Descent - 1
//   what hangs below), and it ends at x + TextWidth. With an opaque background the box from
//   (x, y - Ascent) to (x + TextWidth, y + Descent) is first filled with the background colour.
// - Everything is cut to the clip rectangle (when one is set) and to the surface.
//
// The engine draws a page in one convention. Whatever draws part of a document (sections,
// tables, images, animated GIFs) is handed document coordinates (SectionBase.h: y from the
// top of the page, x from the page's left edge) and meets the canvas in canvas coordinates:
// the document's draw pass moves the origin by the horizontal scroll, so x passes unchanged,
// and the drawing code subtracts the document's ScrollTop from y where it calls the canvas.
// The clip rectangle a section is drawn with is in canvas coordinates. Helpers that only paint
// at a place they are given (DrawMasked, Draw3DFrame, DrawAltText) take canvas coordinates,
// as the canvas does.
//
// Colours given to a canvas may be system colours; they are resolved when something is drawn
// (Color.h). The palette-relative bit is ignored.
//
// Bitmaps are copied with a raster operation that combines each source pixel s with the
// destination pixel d (plain 24-bit colours): ropCopy s, ropAnd s & d, ropOr s | d,
// ropXor s ^ d, ropNotCopy ~s. A monochrome source drawn onto a colour surface first becomes
// the canvas's text colour where it is black and its background colour where it is white. A
// colour source drawn onto a monochrome surface first becomes white where it equals the
// canvas's background colour and black elsewhere. Monochrome onto monochrome copies as is.
// A bitmap with an alpha channel (Bitmap.h) copied with ropCopy onto a colour surface is laid
// over it: each pixel becomes TBitmap::Over(s, d), the same arithmetic on every platform;
// with any other operation, or onto a monochrome surface, its pixels count as the colours
// they show over black. A source rectangle of another size is stretched (or shrunk) to the
// destination by taking, for each destination pixel, the source pixel under it (no
// interpolation); destination pixels that map outside the source bitmap are left alone.
//
// Ownership. A canvas is made by a TGraphicsFactory over a TBitmap it does not own; the
// bitmap must outlive the canvas and keep its size. A canvas keeps copies of the font
// description and colours it is given.

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Region.h"
#include "platform/Screen.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class TGraphicsFactory;

enum TRasterOp { ropCopy, ropAnd, ropOr, ropXor, ropNotCopy };

// How text treats the pixels around its glyphs.
enum TBackgroundMode { bmTransparent, bmOpaque };

class TCanvas {
public:
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The size of the surface in pixels.
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // --- Font and text. A new canvas has the default TFontDesc.
  // Sets the font and makes its colour the text colour.
  void SetFont(const TFontDesc& font);
  const TFontDesc& Font() const { return FFont; }
  // The realised current font (owned by the factory).
  TFontFace& Face() const { return *FFace; }
  const TTextMetrics& TextMetrics() const { return FFace->Metrics(); }
  int TextWidth(std::u32string_view text) const { return FFace->TextWidth(text); }

  // Colour of text and of the black pixels of monochrome bitmaps; black at first.
  void SetTextColor(TColor color) { FTextColor = color; }
  TColor TextColor() const { return FTextColor; }
  // Colour behind opaque text and of the white pixels of monochrome bitmaps; white at first.
  void SetBackColor(TColor color) { FBackColor = color; }
  TColor BackColor() const { return FBackColor; }
  // Opaque at first.
  void SetBackgroundMode(TBackgroundMode mode) { FBackgroundMode = mode; }

  // Draws text with its baseline on row y, starting at x.
  void TextOut(int x, int y, std::u32string_view text);
  // The same, with nothing (text or background) drawn outside the rectangle.
  void TextOutClipped(const TRect& clip, int x, int y, std::u32string_view text);

  // --- Pen and brush. At first the pen is solid black and the brush solid white. The pen is
  // always one pixel wide.
  void SetPen(TColor color) { FPen = color; }
  void SetClearPen() { FPen.reset(); }
  void SetBrush(TColor color) { FBrush = color; }
  void SetClearBrush() { FBrush.reset(); }

  // --- Lines and shapes.
  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  TPoint PenPos() const { return FPenPos; }
  // A line from the current point to (x, y) in the pen, leaving (x, y) itself undrawn.
  void LineTo(int x, int y);
  void Rectangle(const TRect& rect);
  // Paints the rectangle with the brush; the pen plays no part. A clear brush paints nothing.
  void FillRect(const TRect& rect);
  void Ellipse(const TRect& bounds);
  void Polygon(std::span<const TPoint> points);
  // Inverts every other pixel of the rectangle's outermost ring, starting with the top-left
  // corner (the pixels whose x + y has the parity of Left + Top). Drawing it twice restores
  // what was there.
  void DrawFocusRect(const TRect& rect);
  // Paints the region's pixels with the brush. A clear brush paints nothing.
  void FillRegion(const TRegion& region);

  // --- Bitmaps.
  // Copies the part source of the bitmap onto dest, stretching when the sizes differ.
  // Empty rectangles copy nothing.
  void CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                TRasterOp op = ropCopy);
  // The whole bitmap at its own size with its top-left corner at (x, y).
  void Draw(int x, int y, const TBitmap& bitmap, TRasterOp op = ropCopy);
  // The whole bitmap stretched to dest.
  void StretchDraw(const TRect& dest, const TBitmap& bitmap, TRasterOp op = ropCopy);

  // --- Clip and origin.
  // Limits all drawing to the rectangle (logical coordinates, taken at the current origin and
  // kept in surface pixels, so a later SetOrigin does not move it).
  void SetClipRect(const TRect& rect);
  void ClearClip() { FClip.reset(); }
  // The clip rectangle in logical coordinates; the whole surface when no clip is set.
  TRect ClipRect() const;
  void SetOrigin(const TPoint& origin) { FOrigin = origin; }
  TPoint Origin() const { return FOrigin; }

protected:
  TCanvas(TGraphicsFactory& factory, const TBitmap& surface);

  // The colour a TColor draws as (system colours resolved, flag bits dropped).
  TColor Resolved(TColor color) const;
  // The rectangle of surface pixels drawing may touch: the surface cut by the clip.
  TRect DeviceClip() const;
  // A logical rectangle in surface pixels.
  TRect ToDevice(const TRect& rect) const { return rect.Offset(-FOrigin.X, -FOrigin.Y); }

  // The two pixel primitives every shape is made of, so shapes come out the same on every
  // platform. The rectangle is in surface pixels and already cut to DeviceClip() (never empty).
  // Paints it in a resolved colour.
  virtual void FillDevice(const TRect& rect, TColor color) = 0;
  // Inverts its pixels (each pixel d becomes ~d).
  virtual void InvertDevice(const TRect& rect) = 0;
  // Draws the glyphs of text (no background) in the current font, baseline on row y, from x,
  // in surface pixels; nothing outside clip (surface pixels, already cut to DeviceClip(),
  // never empty). Underline and strike-out are the platform's to draw.
  virtual void DrawText(int x, int y, std::u32string_view text, const TRect& clip,
                        TColor color) = 0;

  // Combines bitmap pixels into area (surface pixels, cut to DeviceClip(), never empty): the
  // pixel at (area.Left + i, area.Top + j) takes the source pixel (columns[i], rows[j]), which
  // always lies inside the bitmap, passed through SourceColor and the raster operation, or
  // laid over the destination when Blends(bitmap, op).
  virtual void BlitDevice(const TRect& area, const std::vector<int>& columns,
                          const std::vector<int>& rows, const TBitmap& bitmap, TRasterOp op) = 0;

  bool MonochromeSurface() const { return FMonochrome; }
  // Whether copying the bitmap with op lays its pixels over the destination (see above).
  bool Blends(const TBitmap& bitmap, TRasterOp op) const {
    return bitmap.HasAlpha() && op == ropCopy && !FMonochrome;
  }
  // The colour a source pixel of a bitmap copy stands for, before the raster operation: a
  // monochrome source becomes the text or background colour, a colour source on a monochrome
  // surface becomes white or black (see the rules above).
  TColor SourceColor(const TBitmap& bitmap, int x, int y) const;

private:
  // Paints the part of a rectangle (surface pixels) inside the clip.
  void Paint(const TRect& device, TColor color);
  void TextWithin(const TRect& limit, int x, int y, std::u32string_view text);
  void LinePixels(TPoint from, TPoint to, TColor color);
  void PaintRegion(const TRegion& region, TColor color);
  // Paints the pixels of the region that have a 4-neighbour outside it.
  void PaintOutline(const TRegion& region, TColor color);

  TGraphicsFactory& FFactory;
  int FWidth;
  int FHeight;
  bool FMonochrome;
  TFontDesc FFont;
  TFontFace* FFace;
  TColor FTextColor = clBlack;
  TColor FBackColor = clWhite;
  TBackgroundMode FBackgroundMode = bmOpaque;
  std::optional<TColor> FPen = clBlack;
  std::optional<TColor> FBrush = clWhite;
  TPoint FPenPos;
  TPoint FOrigin;
  std::optional<TRect> FClip;  // surface pixels
};
