#include "platform/headless/HeadlessCanvas.h"

#include <algorithm>

namespace {

TColor Combine(TColor source, TColor dest, TRasterOp op) {
  switch (op) {
    case ropCopy: return source;
    case ropAnd: return source & dest;
    case ropOr: return source | dest;
    case ropXor: return source ^ dest;
    case ropNotCopy: return ~source & 0xFFFFFF;
  }
  return source;
}

}  // namespace

THeadlessCanvas::THeadlessCanvas(TGraphicsFactory& factory, TBitmap& surface)
    : TCanvas(factory, surface), FSurface(surface) {}

void THeadlessCanvas::FillDevice(const TRect& rect, TColor color) {
  if (FSurface.Monochrome() && color != clWhite) color = clBlack;
  const std::uint32_t word = TBitmap::ToWord(color);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::uint32_t* row = FSurface.ScanLine(y);
    std::fill(row + rect.Left, row + rect.Right, word);
  }
}

void THeadlessCanvas::InvertDevice(const TRect& rect) {
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    std::uint32_t* row = FSurface.ScanLine(y);
    for (int x = rect.Left; x < rect.Right; ++x) row[x] ^= 0x00FFFFFF;
  }
}

void THeadlessCanvas::FillCut(const TRect& rect, const TRect& clip, TColor color) {
  const TRect cut = rect.Intersect(clip);
  if (!cut.IsEmpty()) FillDevice(cut, color);
}

void THeadlessCanvas::DrawText(int x, int y, std::u32string_view text, const TRect& clip,
                               TColor color) {
  const TTextMetrics& metrics = TextMetrics();
  int pen = x;
  for (const char32_t ch : text) {
    const int advance = Face().Advance(ch);
    if (ch > 32) FillCut({pen, y - metrics.Ascent, pen + advance - 1, y}, clip, color);
    pen += advance;
  }
  const TFontStyles style = Font().Style;
  if (style & fsUnderline) {
    const int row = y + metrics.Descent / 2;
    FillCut({x, row, pen, row + 1}, clip, color);
  }
  if (style & fsStrikeOut) {
    const int row = y - metrics.Ascent / 2;
    FillCut({x, row, pen, row + 1}, clip, color);
  }
}

void THeadlessCanvas::BlitDevice(const TRect& area, const std::vector<int>& columns,
                                 const std::vector<int>& rows, const TBitmap& bitmap,
                                 TRasterOp op) {
  // The source may be the surface itself, so the whole result is worked out before any of it
  // is written.
  std::vector<TColor> result;
  result.reserve(columns.size() * rows.size());
  const bool blends = Blends(bitmap, op);
  for (std::size_t j = 0; j < rows.size(); ++j) {
    const std::uint32_t* dest = FSurface.ScanLine(area.Top + int(j));
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::uint32_t under = dest[area.Left + int(i)];
      if (blends)
        result.push_back(TBitmap::FromWord(TBitmap::Over(bitmap.ScanLine(rows[j])[columns[i]], under)));
      else
        result.push_back(Combine(SourceColor(bitmap, columns[i], rows[j]), TBitmap::FromWord(under), op));
    }
  }
  auto next = result.begin();
  for (std::size_t j = 0; j < rows.size(); ++j)
    for (std::size_t i = 0; i < columns.size(); ++i)
      FSurface.SetPixel(area.Left + int(i), area.Top + int(j), *next++);
}
