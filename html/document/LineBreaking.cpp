#include "html/document/LineBreaking.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>

#include "html/document/Utf16Text.h"

namespace {

// Nothing below Thai breaks by the rules: a quick answer for Latin, Greek, Cyrillic, Hebrew,
// Arabic and the Indic scripts, which are written with spaces.
constexpr char32_t FirstRuleChar = 0x0E00;

}  // namespace

bool BreaksByRules(char32_t ch) {
  if (ch < FirstRuleChar || ch > 0x10FFFF) return false;
  switch (u_getIntPropertyValue(UChar32(ch), UCHAR_LINE_BREAK)) {
    case U_LB_IDEOGRAPHIC:
    case U_LB_CONDITIONAL_JAPANESE_STARTER:
    case U_LB_H2:
    case U_LB_H3:
    case U_LB_JL:
    case U_LB_JV:
    case U_LB_JT:
    case U_LB_COMPLEX_CONTEXT:
      return true;
    default:
      break;
  }
  // Full-width punctuation and letters stand in East Asian text.
  const int width = u_getIntPropertyValue(UChar32(ch), UCHAR_EAST_ASIAN_WIDTH);
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH;
}

TLineBreaker::~TLineBreaker() {
  if (FIterator) ubrk_close(FIterator);
}

std::vector<bool> TLineBreaker::RuleBreaks(std::u32string_view text) {
  std::vector<bool> breaks(text.size() + 1, false);
  const TUtf16Text units(text);
  UErrorCode status = U_ZERO_ERROR;
  if (FIterator) {
    ubrk_setText(FIterator, units.Units().data(), units.Length(), &status);
  } else {
    // The root locale's rules, named here so that no process default is read or set.
    FIterator = ubrk_open(UBRK_LINE, "root", units.Units().data(), units.Length(), &status);
  }
  if (U_FAILURE(status) || !FIterator) return breaks;
  // Breaks come close together in the text that has them, so the character after one is
  // often the one before the next: it is asked about once.
  int asked = -1;
  bool answer = false;
  const auto breaksByRules = [&](int index) {
    if (index != asked) asked = index, answer = BreaksByRules(text[std::size_t(index)]);
    return answer;
  };
  for (int unit = ubrk_next(FIterator); unit != UBRK_DONE && unit < units.Length();
       unit = ubrk_next(FIterator)) {
    const int index = units.CharOf(unit);
    if (index > 0 && (breaksByRules(index - 1) || breaksByRules(index)))
      breaks[std::size_t(index)] = true;
  }
  return breaks;
}
