#include "html/document/Utf16Text.h"

#include <algorithm>

#include "html/document/InlineObjects.h"

namespace {

constexpr char32_t FirstBeyondBasicPlane = 0x10000;

// The character that stands for ch in UTF-16.
char32_t Representable(char32_t ch) {
  if (ch == ImageMarker || ch == ControlMarker) return U'\uFFFC';
  if ((ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return U'\uFFFD';
  return ch;
}

}  // namespace

TUtf16Text::TUtf16Text(std::u32string_view text) {
  const bool basicPlane = std::none_of(text.begin(), text.end(), [](char32_t ch) {
    return ch >= FirstBeyondBasicPlane && ch <= 0x10FFFF;
  });
  FUnits.reserve(text.size());
  if (basicPlane) {
    for (const char32_t ch : text) FUnits.push_back(char16_t(Representable(ch)));
    return;
  }
  FCharOf.reserve(text.size() + 1);
  FUnitOf.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t ch = Representable(text[i]);
    FUnitOf.push_back(int(FUnits.size()));
    if (ch >= FirstBeyondBasicPlane) {
      ch -= FirstBeyondBasicPlane;
      FUnits.push_back(char16_t(0xD800 + (ch >> 10)));
      FUnits.push_back(char16_t(0xDC00 + (ch & 0x3FF)));
      FCharOf.push_back(int(i));
    } else {
      FUnits.push_back(char16_t(ch));
    }
    FCharOf.push_back(int(i));
  }
  FUnitOf.push_back(int(FUnits.size()));
  FCharOf.push_back(int(text.size()));
}
