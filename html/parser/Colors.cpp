#include "html/parser/Colors.h"

#include <array>
#include <string>

#include "html/support/Hex.h"
#include "html/support/LetterCase.h"

namespace {

struct TColorName {
  std::u32string_view Name;
  std::uint32_t Rgb;  // written as 0xRRGGBB
};

constexpr std::array<TColorName, 16> ColorNames{{
    {U"BLACK", 0x000000}, {U"MAROON", 0x800000}, {U"GREEN", 0x008000},
    {U"OLIVE", 0x808000}, {U"NAVY", 0x000080},   {U"PURPLE", 0x800080},
    {U"TEAL", 0x008080},  {U"GRAY", 0x808080},   {U"SILVER", 0xC0C0C0},
    {U"RED", 0xFF0000},   {U"LIME", 0x00FF00},   {U"YELLOW", 0xFFFF00},
    {U"BLUE", 0x0000FF},  {U"FUCHSIA", 0xFF00FF}, {U"AQUA", 0x00FFFF},
    {U"WHITE", 0xFFFFFF},
}};

// Red moves to the low byte.
constexpr std::uint32_t FromRgb(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// A hexadecimal number of at most eight digits, as a 32-bit conversion accepts it.
std::optional<std::uint32_t> ParseHex(std::u32string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char32_t c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | std::uint32_t(digit);
  }
  return value;
}

}  // namespace

std::optional<std::uint32_t> ColorFromString(std::u32string_view text) {
  if (text.empty()) return std::nullopt;

  const std::u32string upper = UpperAscii(text.substr(0, 10));
  for (const TColorName& color : ColorNames)
    if (upper == color.Name) return FromRgb(color.Rgb);

  std::u32string digits(text);
  if (auto hash = digits.find(U'#'); hash != std::u32string::npos) digits.erase(hash, 1);
  auto value = ParseHex(digits);
  if (!value) return std::nullopt;
  return FromRgb(*value & 0xFFFFFF);
}
