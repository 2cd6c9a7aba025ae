#include "html/document/ScriptNeeds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "html/document/BidiText.h"
#include "html/document/JoinedForms.h"
#include "html/document/LineBreaking.h"

namespace {

// No character below Hebrew needs anything here: the three tests answer false below it.
constexpr char32_t FirstNeedingChar = 0x0590;
// Characters are looked at this many at a time: when not even their bits together reach
// FirstNeedingChar, none of them does, and a block of Latin, Greek or Cyrillic text costs
// eight loads and ORs of two characters each. Other blocks are looked at one by one.
constexpr std::size_t Block = 16;

// Whether any of the Block characters at text may reach FirstNeedingChar.
bool MayNeed(const char32_t* text) {
  std::uint64_t bits = 0;
  for (std::size_t k = 0; k < Block; k += 2) {
    std::uint64_t two = 0;
    std::memcpy(&two, text + k, sizeof two);
    bits |= two;
  }
  return char32_t(bits | bits >> 32) >= FirstNeedingChar;
}

// The index of the first character at or after i that reaches FirstNeedingChar, or the
// text's length.
std::size_t NextCandidate(std::u32string_view text, std::size_t i) {
  const std::size_t length = text.size();
  while (i < length) {
    while (i + Block <= length && !MayNeed(text.data() + i)) i += Block;
    // The few characters after the last whole block: the block that ends with the text, which
    // overlaps them, answers for all of them at once.
    if (i + Block > length && length >= Block && !MayNeed(text.data() + length - Block))
      return length;
    for (const std::size_t end = std::min(length, i + Block); i < end; ++i)
      if (text[i] >= FirstNeedingChar) return i;
  }
  return length;
}

}  // namespace

TScriptNeeds ScriptNeedsOf(std::u32string_view text) {
  TScriptNeeds needs;
  // Characters found to need nothing new, by their low bits: text repeats its characters
  // beyond FirstNeedingChar (dashes and quotation marks, or the common ideographs), and each
  // is asked about once or twice rather than every time. Filled only once such a character
  // comes, so that other text does not pay for it.
  std::array<char32_t, 64> plain;
  bool plainFilled = false;
  for (std::size_t i = NextCandidate(text, 0); i < text.size(); i = NextCandidate(text, i + 1)) {
    const char32_t ch = text[i];
    if (!plainFilled) {
      plain.fill(0);
      plainFilled = true;
    }
    char32_t& known = plain[ch % plain.size()];
    if (known == ch) continue;
    // What is known to be needed is not asked about again.
    const bool breakRules = !needs.BreakRules && BreaksByRules(ch);
    const bool rightToLeft = !needs.RightToLeft && StartsRightToLeft(ch);
    const bool joining = !needs.Joining && JoinsNeighbours(ch);
    if (!breakRules && !rightToLeft && !joining) known = ch;
    needs.BreakRules = needs.BreakRules || breakRules;
    needs.RightToLeft = needs.RightToLeft || rightToLeft;
    needs.Joining = needs.Joining || joining;
    if (needs.BreakRules && needs.RightToLeft && needs.Joining) break;
  }
  return needs;
}
