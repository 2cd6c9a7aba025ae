#include "platform/Font.h"

TFont& TFont::operator=(const TFont& other) {
  SetDesc(other.FDesc);
  return *this;
}

void TFont::SetDesc(const TFontDesc& desc) {
  if (FDesc == desc) return;
  FDesc = desc;
  if (OnChange) OnChange();
}

void TFont::SetName(const std::string& name) { Change(&TFontDesc::Name, name); }
void TFont::SetSize(int points) { Change(&TFontDesc::Size, points); }
void TFont::SetStyle(TFontStyles style) { Change(&TFontDesc::Style, style); }
void TFont::SetColor(TColor color) { Change(&TFontDesc::Color, color); }
void TFont::SetCharSet(int charSet) { Change(&TFontDesc::CharSet, charSet); }

void TFont::Assign(const TFont& source) { SetDesc(source.FDesc); }

int TFontFace::FirstAdvance(char32_t ch) {
  if (ch < FLatin.size()) {
    int& advance = FLatin[ch];
    if (advance < 0) advance = MeasureAdvance(ch);
    return advance;
  }
  const auto found = FOthers.find(ch);
  if (found != FOthers.end()) return found->second;
  const int advance = MeasureAdvance(ch);
  FOthers.emplace(ch, advance);
  return advance;
}

int TFontFace::TextWidth(std::u32string_view text) {
  int width = 0;
  for (const char32_t ch : text) width += Advance(ch);
  return width;
}
