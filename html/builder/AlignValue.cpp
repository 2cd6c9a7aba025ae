#include "html/builder/AlignValue.h"

#include "html/support/LetterCase.h"

std::optional<TJustify> AlignFromText(std::u32string_view value) {
  const std::u32string lower = LowerAscii(value);
  if (lower == U"left") return jLeft;
  if (lower == U"center") return jCentre;
  if (lower == U"right") return jRight;
  return std::nullopt;
}

std::optional<bool> RightToLeftFromText(std::u32string_view value) {
  const std::u32string lower = LowerAscii(value);
  if (lower == U"rtl") return true;
  if (lower == U"ltr") return false;
  return std::nullopt;
}
