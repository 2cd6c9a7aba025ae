#include "html/support/LetterCase.h"

#include <algorithm>

namespace {

template <typename String, typename View>
String Converted(View text, auto convert) {
  String result(text);
  for (auto& ch : result) ch = convert(ch);
  return result;
}

template <typename View>
bool SameLetters(View a, View b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](auto x, auto y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::u32string LowerAscii(std::u32string_view text) {
  return Converted<std::u32string>(text, [](char32_t ch) { return LowerAscii(ch); });
}

std::u32string UpperAscii(std::u32string_view text) {
  return Converted<std::u32string>(text, [](char32_t ch) { return UpperAscii(ch); });
}

std::string LowerAscii(std::string_view text) {
  return Converted<std::string>(text, [](char ch) { return LowerAscii(ch); });
}

std::string UpperAscii(std::string_view text) {
  return Converted<std::string>(text, [](char ch) { return UpperAscii(ch); });
}

bool EqualsIgnoringCase(std::u32string_view a, std::u32string_view b) { return SameLetters(a, b); }
bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return SameLetters(a, b); }

std::u32string UpperLatin1(std::u32string_view text) {
  // Latin-1 lower-case letters sit 32 above their capitals, as in ASCII; the two that have
  // no capital there (sharp s and y diaeresis) and the division sign stay as they are.
  return Converted<std::u32string>(text, [](char32_t ch) {
    return (ch >= U'a' && ch <= U'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) ? ch - 32 : ch;
  });
}
