#include "html/document/JoinedForms.h"

#include <unicode/uchar.h>
#include <unicode/ushape.h>

#include "html/document/Utf16Text.h"

namespace {

// Nothing below the Arabic block joins.
constexpr char32_t FirstJoiningChar = 0x0600;
// Stands where a ligature took two letters' place, so that the text keeps its length and the
// ligature's width is all the pair takes.
constexpr char32_t ZeroWidthSpace = 0x200B;

}  // namespace

bool JoinsNeighbours(char32_t ch) {
  if (ch < FirstJoiningChar || ch > 0x10FFFF) return false;
  switch (u_getIntPropertyValue(UChar32(ch), UCHAR_JOINING_TYPE)) {
    case U_JT_DUAL_JOINING:
    case U_JT_RIGHT_JOINING:
    case U_JT_LEFT_JOINING:
      return true;
    default:
      return false;
  }
}

std::u32string JoinedForms(std::u32string_view text) {
  std::u32string joined(text);
  const TUtf16Text units(text);
  std::u16string shaped(units.Units().size(), u'\0');
  UErrorCode status = U_ZERO_ERROR;
  // The same length out as in: a lam-alef ligature leaves a space beside it.
  const int length = u_shapeArabic(units.Units().data(), units.Length(), shaped.data(),
                                   int(shaped.size()),
                                   U_SHAPE_LETTERS_SHAPE | U_SHAPE_TEXT_DIRECTION_LOGICAL |
                                       U_SHAPE_LENGTH_FIXED_SPACES_NEAR,
                                   &status);
  if (U_FAILURE(status) || length != units.Length()) return joined;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int unit = units.UnitOf(int(i));
    // Characters beyond the basic plane take two units and are never shaped.
    if (units.UnitOf(int(i) + 1) - unit != 1) continue;
    const char16_t form = shaped[std::size_t(unit)];
    if (form == units.Units()[std::size_t(unit)]) continue;
    joined[i] = form == u' ' ? ZeroWidthSpace : char32_t(form);
  }
  return joined;
}
