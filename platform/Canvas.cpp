#include "platform/Canvas.h"

#include "platform/Graphics.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

TCanvas::TCanvas(TGraphicsFactory& factory, const TBitmap& surface)
    : FFactory(factory),
      FWidth(surface.Width()),
      FHeight(surface.Height()),
      FMonochrome(surface.Monochrome()),
      FFace(&factory.Face(FFont)) {}

void TCanvas::SetFont(const TFontDesc& font) {
  FFace = &FFactory.Face(font);
  FFont = font;
  FTextColor = font.Color;
}

TColor TCanvas::Resolved(TColor color) const { return FFactory.SystemColors().Resolve(color); }

TRect TCanvas::DeviceClip() const {
  const TRect surface{0, 0, FWidth, FHeight};
  return FClip ? surface.Intersect(*FClip) : surface;
}

void TCanvas::SetClipRect(const TRect& rect) { FClip = ToDevice(rect); }

TRect TCanvas::ClipRect() const {
  TRect clip = DeviceClip();
  if (clip.IsEmpty()) clip = {clip.Left, clip.Top, clip.Left, clip.Top};
  return clip.Offset(FOrigin.X, FOrigin.Y);
}

void TCanvas::Paint(const TRect& device, TColor color) {
  const TRect cut = device.Intersect(DeviceClip());
  if (!cut.IsEmpty()) FillDevice(cut, color);
}

void TCanvas::TextOut(int x, int y, std::u32string_view text) {
  TextWithin(DeviceClip(), x, y, text);
}

void TCanvas::TextOutClipped(const TRect& clip, int x, int y, std::u32string_view text) {
  TextWithin(ToDevice(clip).Intersect(DeviceClip()), x, y, text);
}

void TCanvas::TextWithin(const TRect& limit, int x, int y, std::u32string_view text) {
  if (text.empty() || limit.IsEmpty()) return;
  const int dx = x - FOrigin.X, dy = y - FOrigin.Y;
  if (FBackgroundMode == bmOpaque) {
    const TTextMetrics& metrics = TextMetrics();
    const TRect box{dx, dy - metrics.Ascent, dx + TextWidth(text), dy + metrics.Descent};
    const TRect cut = box.Intersect(limit);
    if (!cut.IsEmpty()) FillDevice(cut, Resolved(FBackColor));
  }
  DrawText(dx, dy, text, limit, Resolved(FTextColor));
}

void TCanvas::LinePixels(TPoint from, TPoint to, TColor color) {
  if (from == to) return;
  if (from.Y == to.Y) {  // the common cases in one piece
    Paint(from.X < to.X ? TRect{from.X, from.Y, to.X, from.Y + 1}
                        : TRect{to.X + 1, from.Y, from.X + 1, from.Y + 1}, color);
    return;
  }
  if (from.X == to.X) {
    Paint(from.Y < to.Y ? TRect{from.X, from.Y, from.X + 1, to.Y}
                        : TRect{from.X, to.Y + 1, from.X + 1, from.Y + 1}, color);
    return;
  }
  std::int64_t x = from.X, y = from.Y;
  const std::int64_t dx = std::llabs(std::int64_t(to.X) - x), dy = -std::llabs(std::int64_t(to.Y) - y);
  const int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
  std::int64_t error = dx + dy;
  while (x != to.X || y != to.Y) {
    Paint({int(x), int(y), int(x) + 1, int(y) + 1}, color);
    const std::int64_t twice = 2 * error;
    if (twice >= dy) error += dy, x += sx;
    if (twice <= dx) error += dx, y += sy;
  }
}

void TCanvas::LineTo(int x, int y) {
  if (FPen) {
    LinePixels({FPenPos.X - FOrigin.X, FPenPos.Y - FOrigin.Y}, {x - FOrigin.X, y - FOrigin.Y},
               Resolved(*FPen));
  }
  FPenPos = {x, y};
}

void TCanvas::FillRect(const TRect& rect) {
  if (FBrush) Paint(ToDevice(rect), Resolved(*FBrush));
}

void TCanvas::Rectangle(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const TRect r = ToDevice(rect);
  if (FBrush) Paint(r, Resolved(*FBrush));
  if (!FPen) return;
  const TColor pen = Resolved(*FPen);
  Paint({r.Left, r.Top, r.Right, r.Top + 1}, pen);
  Paint({r.Left, r.Bottom - 1, r.Right, r.Bottom}, pen);
  Paint({r.Left, r.Top, r.Left + 1, r.Bottom}, pen);
  Paint({r.Right - 1, r.Top, r.Right, r.Bottom}, pen);
}

void TCanvas::PaintRegion(const TRegion& region, TColor color) {
  for (const TRegion::TBand& band : region.Bands())
    for (const TRegion::TSpan& span : band.Spans)
      Paint({span.Left, band.Top, span.Right, band.Bottom}, color);
}

void TCanvas::PaintOutline(const TRegion& region, TColor color) {
  const TRect clip = DeviceClip();
  for (const TRegion::TBand& band : region.Bands()) {
    for (const TRegion::TSpan& span : band.Spans) {
      // Inside a band the rows above and below are the same, so only the span's ends touch
      // the outside there; the band's first and last rows are tested pixel by pixel (only
      // where the clip lets anything show).
      Paint({span.Left, band.Top, span.Left + 1, band.Bottom}, color);
      Paint({span.Right - 1, band.Top, span.Right, band.Bottom}, color);
      const int first = std::max(span.Left + 1, clip.Left);
      const int last = std::min(span.Right - 1, clip.Right);
      for (const int y : {band.Top, band.Bottom - 1}) {
        if (y < clip.Top || y >= clip.Bottom) continue;
        for (int x = first; x < last; ++x) {
          if (!region.Contains(x, y - 1) || !region.Contains(x, y + 1))
            Paint({x, y, x + 1, y + 1}, color);
        }
      }
    }
  }
}

void TCanvas::Ellipse(const TRect& bounds) {
  const TRegion region = TRegion::Ellipse(ToDevice(bounds));
  if (FBrush) PaintRegion(region, Resolved(*FBrush));
  if (FPen) PaintOutline(region, Resolved(*FPen));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  std::vector<TPoint> device(points.begin(), points.end());
  for (TPoint& point : device) point = {point.X - FOrigin.X, point.Y - FOrigin.Y};
  if (FBrush) PaintRegion(TRegion::Polygon(device), Resolved(*FBrush));
  if (!FPen) return;
  const TColor pen = Resolved(*FPen);
  for (std::size_t i = 0; i < device.size(); ++i)
    LinePixels(device[i], device[(i + 1) % device.size()], pen);
}

void TCanvas::FillRegion(const TRegion& region) {
  if (!FBrush) return;
  const TColor brush = Resolved(*FBrush);
  for (const TRegion::TBand& band : region.Bands())
    for (const TRegion::TSpan& span : band.Spans)
      Paint(ToDevice({span.Left, band.Top, span.Right, band.Bottom}), brush);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const TRect r = ToDevice(rect);
  const TRect clip = DeviceClip();
  auto invert = [&](int x, int y) {
    if ((x - r.Left + y - r.Top) % 2 == 0 && clip.Contains(x, y)) InvertDevice({x, y, x + 1, y + 1});
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
}

namespace {

// The destination pixels first .. last - 1 (surface pixels, inside the clip) that map into the
// source, where pixel p takes source index sourceStart + (p - destStart) * sourceLength /
// destLength. The mapping only grows, so those pixels are one run; first and last are
// narrowed to it and the source index of each is returned.
std::vector<int> MapAxis(int destStart, int destLength, int sourceStart, int sourceLength,
                         int limit, int& first, int& last) {
  std::vector<int> map;
  int start = first;
  for (int p = first; p < last; ++p) {
    const std::int64_t s = sourceStart + (std::int64_t(p) - destStart) * sourceLength / destLength;
    if (s < 0) continue;
    if (s >= limit) break;
    if (map.empty()) start = p;
    map.push_back(int(s));
  }
  first = start;
  last = start + int(map.size());
  return map;
}

}  // namespace

void TCanvas::CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                       TRasterOp op) {
  if (dest.IsEmpty() || source.IsEmpty() || bitmap.IsEmpty()) return;
  const TRect d = ToDevice(dest);
  TRect area = d.Intersect(DeviceClip());
  if (area.IsEmpty()) return;
  const std::vector<int> columns =
      MapAxis(d.Left, d.Width(), source.Left, source.Width(), bitmap.Width(), area.Left, area.Right);
  const std::vector<int> rows =
      MapAxis(d.Top, d.Height(), source.Top, source.Height(), bitmap.Height(), area.Top, area.Bottom);
  if (columns.empty() || rows.empty()) return;
  BlitDevice(area, columns, rows, bitmap, op);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap, TRasterOp op) {
  CopyRect({x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap,
           {0, 0, bitmap.Width(), bitmap.Height()}, op);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap, TRasterOp op) {
  CopyRect(dest, bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, op);
}

TColor TCanvas::SourceColor(const TBitmap& bitmap, int x, int y) const {
  const TColor pixel = bitmap.Pixel(x, y);
  if (bitmap.Monochrome() == FMonochrome) return pixel;
  if (bitmap.Monochrome()) return Resolved(pixel == clWhite ? FBackColor : FTextColor);
  return pixel == Resolved(FBackColor) ? clWhite : clBlack;
}
