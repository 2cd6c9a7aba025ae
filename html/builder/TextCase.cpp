#include "html/builder/TextCase.h"

#include "html/document/Section.h"

std::u32string LowerAscii(std::u32string_view text) {
  std::u32string lower(text);
  for (char32_t& c : lower)
    if (c >= U'A' && c <= U'Z') c += 32;
  return lower;
}

int AlignFromText(std::u32string_view value, int fallback) {
  const std::u32string lower = LowerAscii(value);
  if (lower == U"left") return jLeft;
  if (lower == U"center") return jCentre;
  if (lower == U"right") return jRight;
  return fallback;
}
