#include "html/document/MyFont.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "html/document/SectionList.h"

int MulDiv(int n, int numerator, int denominator) {
  if (denominator == 0) return n < 0 ? INT_MIN : INT_MAX;
  std::int64_t product = std::int64_t(n) * numerator;
  if (denominator < 0) product = -product, denominator = -denominator;
  const std::int64_t half = denominator / 2;
  const std::int64_t result =
      product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return int(std::clamp<std::int64_t>(result, INT_MIN, INT_MAX));
}

int ScaledFontSize(int fontSize, int scale) {
  return std::clamp(MulDiv(fontSize, scale, 12), 1, MaxFontPoints);
}

TMyFont& TMyFont::operator=(const TMyFont& other) {
  Assign(other);
  return *this;
}

void TMyFont::Assign(const TFont& source) {
  if (const auto* font = dynamic_cast<const TMyFont*>(&source)) {
    Scale = font->Scale;
    Fixed = font->Fixed;
  }
  TFont::Assign(source);
}

void TMyFont::SetScale(const TSectionList& document, int scale) {
  Scale = scale;
  SetSize(ScaledFontSize(document.FontSize, scale));
}

void TMyFont::ApplyDocument(const TSectionList& document, TColor color) {
  TFontDesc desc = Desc();
  desc.Name = Fixed ? document.PreFontName : document.FontName;
  desc.CharSet = document.CharSet;
  desc.Size = ScaledFontSize(document.FontSize, Scale);
  desc.Color = color | PaletteRelative;
  SetDesc(desc);
}
