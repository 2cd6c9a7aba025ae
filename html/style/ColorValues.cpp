#include "html/style/ColorValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "html/style/CssTokenReader.h"
#include "html/support/LetterCase.h"

namespace {

struct TNamedColor {
  std::u32string_view Name;
  std::uint32_t Value;  // 0xRRGGBB, or a system colour
};

constexpr TColor FromHex(std::uint32_t rrggbb) {
  return Rgb(std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb));
}

// The named colours, sorted by name.
constexpr std::array<TNamedColor, 148> NamedColors{{
    {U"aliceblue", 0xF0F8FF},
    {U"antiquewhite", 0xFAEBD7},
    {U"aqua", 0x00FFFF},
    {U"aquamarine", 0x7FFFD4},
    {U"azure", 0xF0FFFF},
    {U"beige", 0xF5F5DC},
    {U"bisque", 0xFFE4C4},
    {U"black", 0x000000},
    {U"blanchedalmond", 0xFFEBCD},
    {U"blue", 0x0000FF},
    {U"blueviolet", 0x8A2BE2},
    {U"brown", 0xA52A2A},
    {U"burlywood", 0xDEB887},
    {U"cadetblue", 0x5F9EA0},
    {U"chartreuse", 0x7FFF00},
    {U"chocolate", 0xD2691E},
    {U"coral", 0xFF7F50},
    {U"cornflowerblue", 0x6495ED},
    {U"cornsilk", 0xFFF8DC},
    {U"crimson", 0xDC143C},
    {U"cyan", 0x00FFFF},
    {U"darkblue", 0x00008B},
    {U"darkcyan", 0x008B8B},
    {U"darkgoldenrod", 0xB8860B},
    {U"darkgray", 0xA9A9A9},
    {U"darkgreen", 0x006400},
    {U"darkgrey", 0xA9A9A9},
    {U"darkkhaki", 0xBDB76B},
    {U"darkmagenta", 0x8B008B},
    {U"darkolivegreen", 0x556B2F},
    {U"darkorange", 0xFF8C00},
    {U"darkorchid", 0x9932CC},
    {U"darkred", 0x8B0000},
    {U"darksalmon", 0xE9967A},
    {U"darkseagreen", 0x8FBC8F},
    {U"darkslateblue", 0x483D8B},
    {U"darkslategray", 0x2F4F4F},
    {U"darkslategrey", 0x2F4F4F},
    {U"darkturquoise", 0x00CED1},
    {U"darkviolet", 0x9400D3},
    {U"deeppink", 0xFF1493},
    {U"deepskyblue", 0x00BFFF},
    {U"dimgray", 0x696969},
    {U"dimgrey", 0x696969},
    {U"dodgerblue", 0x1E90FF},
    {U"firebrick", 0xB22222},
    {U"floralwhite", 0xFFFAF0},
    {U"forestgreen", 0x228B22},
    {U"fuchsia", 0xFF00FF},
    {U"gainsboro", 0xDCDCDC},
    {U"ghostwhite", 0xF8F8FF},
    {U"gold", 0xFFD700},
    {U"goldenrod", 0xDAA520},
    {U"gray", 0x808080},
    {U"green", 0x008000},
    {U"greenyellow", 0xADFF2F},
    {U"grey", 0x808080},
    {U"honeydew", 0xF0FFF0},
    {U"hotpink", 0xFF69B4},
    {U"indianred", 0xCD5C5C},
    {U"indigo", 0x4B0082},
    {U"ivory", 0xFFFFF0},
    {U"khaki", 0xF0E68C},
    {U"lavender", 0xE6E6FA},
    {U"lavenderblush", 0xFFF0F5},
    {U"lawngreen", 0x7CFC00},
    {U"lemonchiffon", 0xFFFACD},
    {U"lightblue", 0xADD8E6},
    {U"lightcoral", 0xF08080},
    {U"lightcyan", 0xE0FFFF},
    {U"lightgoldenrodyellow", 0xFAFAD2},
    {U"lightgray", 0xD3D3D3},
    {U"lightgreen", 0x90EE90},
    {U"lightgrey", 0xD3D3D3},
    {U"lightpink", 0xFFB6C1},
    {U"lightsalmon", 0xFFA07A},
    {U"lightseagreen", 0x20B2AA},
    {U"lightskyblue", 0x87CEFA},
    {U"lightslategray", 0x778899},
    {U"lightslategrey", 0x778899},
    {U"lightsteelblue", 0xB0C4DE},
    {U"lightyellow", 0xFFFFE0},
    {U"lime", 0x00FF00},
    {U"limegreen", 0x32CD32},
    {U"linen", 0xFAF0E6},
    {U"magenta", 0xFF00FF},
    {U"maroon", 0x800000},
    {U"mediumaquamarine", 0x66CDAA},
    {U"mediumblue", 0x0000CD},
    {U"mediumorchid", 0xBA55D3},
    {U"mediumpurple", 0x9370DB},
    {U"mediumseagreen", 0x3CB371},
    {U"mediumslateblue", 0x7B68EE},
    {U"mediumspringgreen", 0x00FA9A},
    {U"mediumturquoise", 0x48D1CC},
    {U"mediumvioletred", 0xC71585},
    {U"midnightblue", 0x191970},
    {U"mintcream", 0xF5FFFA},
    {U"mistyrose", 0xFFE4E1},
    {U"moccasin", 0xFFE4B5},
    {U"navajowhite", 0xFFDEAD},
    {U"navy", 0x000080},
    {U"oldlace", 0xFDF5E6},
    {U"olive", 0x808000},
    {U"olivedrab", 0x6B8E23},
    {U"orange", 0xFFA500},
    {U"orangered", 0xFF4500},
    {U"orchid", 0xDA70D6},
    {U"palegoldenrod", 0xEEE8AA},
    {U"palegreen", 0x98FB98},
    {U"paleturquoise", 0xAFEEEE},
    {U"palevioletred", 0xDB7093},
    {U"papayawhip", 0xFFEFD5},
    {U"peachpuff", 0xFFDAB9},
    {U"peru", 0xCD853F},
    {U"pink", 0xFFC0CB},
    {U"plum", 0xDDA0DD},
    {U"powderblue", 0xB0E0E6},
    {U"purple", 0x800080},
    {U"rebeccapurple", 0x663399},
    {U"red", 0xFF0000},
    {U"rosybrown", 0xBC8F8F},
    {U"royalblue", 0x4169E1},
    {U"saddlebrown", 0x8B4513},
    {U"salmon", 0xFA8072},
    {U"sandybrown", 0xF4A460},
    {U"seagreen", 0x2E8B57},
    {U"seashell", 0xFFF5EE},
    {U"sienna", 0xA0522D},
    {U"silver", 0xC0C0C0},
    {U"skyblue", 0x87CEEB},
    {U"slateblue", 0x6A5ACD},
    {U"slategray", 0x708090},
    {U"slategrey", 0x708090},
    {U"snow", 0xFFFAFA},
    {U"springgreen", 0x00FF7F},
    {U"steelblue", 0x4682B4},
    {U"tan", 0xD2B48C},
    {U"teal", 0x008080},
    {U"thistle", 0xD8BFD8},
    {U"tomato", 0xFF6347},
    {U"turquoise", 0x40E0D0},
    {U"violet", 0xEE82EE},
    {U"wheat", 0xF5DEB3},
    {U"white", 0xFFFFFF},
    {U"whitesmoke", 0xF5F5F5},
    {U"yellow", 0xFFFF00},
    {U"yellowgreen", 0x9ACD32},
}};

// The desktop's colours under their style-sheet names, sorted by name; they stay symbolic
// until drawn, so a page asking for the window colour follows the desktop theme.
constexpr std::array<TNamedColor, 32> SystemColors{{
    {U"activeborder", clActiveBorder},
    {U"activecaption", clActiveCaption},
    {U"appworkspace", clAppWorkSpace},
    {U"background", clBackground},
    {U"buttonface", clBtnFace},
    {U"buttonhighlight", clBtnHighlight},
    {U"buttonshadow", clBtnShadow},
    {U"buttontext", clBtnText},
    {U"canvas", clWindow},
    {U"canvastext", clWindowText},
    {U"captiontext", clCaptionText},
    {U"field", clWindow},
    {U"fieldtext", clWindowText},
    {U"graytext", clGrayText},
    {U"highlight", clHighlight},
    {U"highlighttext", clHighlightText},
    {U"inactiveborder", clInactiveBorder},
    {U"inactivecaption", clInactiveCaption},
    {U"inactivecaptiontext", clInactiveCaptionText},
    {U"infobackground", clInfoBk},
    {U"infotext", clInfoText},
    {U"menu", clMenu},
    {U"menutext", clMenuText},
    {U"scrollbar", clScrollBar},
    {U"threeddarkshadow", cl3DDkShadow},
    {U"threedface", clBtnFace},
    {U"threedhighlight", clBtnHighlight},
    {U"threedlightshadow", cl3DLight},
    {U"threedshadow", clBtnShadow},
    {U"window", clWindow},
    {U"windowframe", clWindowFrame},
    {U"windowtext", clWindowText},
}};

template <std::size_t N>
const TNamedColor* FindName(const std::array<TNamedColor, N>& table, std::u32string_view lower) {
  auto found = std::lower_bound(
      table.begin(), table.end(), lower,
      [](const TNamedColor& entry, std::u32string_view name) { return entry.Name < name; });
  return found != table.end() && found->Name == lower ? &*found : nullptr;
}

std::uint8_t Channel(double value) {
  return std::uint8_t(std::lround(std::clamp(value, 0.0, 255.0)));
}

std::optional<TStyleColor> FromIdent(std::u32string_view name) {
  const std::u32string lower = LowerAscii(name);
  if (lower == U"transparent") return TStyleColor{0, 0, false};
  if (lower == U"currentcolor") return TStyleColor{0, 255, true};
  if (const TNamedColor* named = FindName(NamedColors, lower))
    return TStyleColor{FromHex(named->Value), 255, false};
  if (const TNamedColor* system = FindName(SystemColors, lower))
    return TStyleColor{system->Value, 255, false};
  return std::nullopt;
}

std::optional<TStyleColor> FromHexDigits(std::u32string_view digits) {
  std::array<int, 8> values{};
  if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
    return std::nullopt;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const char32_t ch = LowerAscii(digits[i]);
    if (ch >= U'0' && ch <= U'9')
      values[i] = int(ch - U'0');
    else if (ch >= U'a' && ch <= U'f')
      values[i] = int(ch - U'a') + 10;
    else
      return std::nullopt;
  }
  // Short forms repeat each digit: #abc is #aabbcc.
  const bool shortForm = digits.size() <= 4;
  auto channel = [&](int index) {
    return shortForm ? values[index] * 17 : values[2 * index] * 16 + values[2 * index + 1];
  };
  const int count = shortForm ? int(digits.size()) : int(digits.size()) / 2;
  TStyleColor color{
      Rgb(std::uint8_t(channel(0)), std::uint8_t(channel(1)), std::uint8_t(channel(2))), 255,
      false};
  if (count == 4) color.Alpha = std::uint8_t(channel(3));
  return color;
}

// The arguments of a colour function: three values and an optional alpha, separated by
// commas throughout (the legacy syntax) or by spaces with "/" before the alpha.
struct TColorArguments {
  std::vector<const TCssToken*> Values;
  const TCssToken* Alpha = nullptr;
  bool Legacy = false;
};

bool IsArgument(const TCssToken& token) {
  return token.Is(ctNumber) || token.Is(ctPercentage) || token.Is(ctDimension) ||
         token.IsIdent(U"none");
}

std::optional<TColorArguments> SplitArguments(std::span<const TCssToken> contents) {
  TColorArguments arguments;
  bool slash = false;
  TCssTokenReader reader(contents);
  reader.SkipWhitespace();
  while (!reader.AtEnd()) {
    const TCssToken& value = reader.Take();
    if (!IsArgument(value)) return std::nullopt;
    if (slash) {
      if (arguments.Alpha) return std::nullopt;
      arguments.Alpha = &value;
    } else {
      arguments.Values.push_back(&value);
    }
    reader.SkipWhitespace();
    if (reader.AtEnd()) break;
    if (reader.Peek().Is(ctComma)) {
      // The first separator decides the syntax.
      if (arguments.Values.size() == 1 && !slash)
        arguments.Legacy = true;
      else if (!arguments.Legacy)
        return std::nullopt;
    } else if (reader.Peek().IsDelim(U'/')) {
      if (arguments.Legacy || slash || arguments.Values.size() != 3) return std::nullopt;
      slash = true;
    } else {
      if (arguments.Legacy) return std::nullopt;
      continue;
    }
    reader.Take();
    reader.SkipWhitespace();
    if (reader.AtEnd()) return std::nullopt;  // a separator with nothing after it
  }
  if (arguments.Legacy && arguments.Values.size() == 4) {
    arguments.Alpha = arguments.Values.back();
    arguments.Values.pop_back();
  }
  if (arguments.Values.size() != 3) return std::nullopt;
  if (arguments.Legacy) {
    for (const TCssToken* value : arguments.Values)
      if (value->Is(ctIdent)) return std::nullopt;  // "none" is new syntax only
    if (arguments.Alpha && arguments.Alpha->Is(ctIdent)) return std::nullopt;
  }
  return arguments;
}

// Opacity 0 to 255 from a number (0 to 1) or a percentage; absent is opaque.
std::optional<std::uint8_t> AlphaOf(const TCssToken* alpha) {
  if (!alpha) return 255;
  double value = 0;
  if (alpha->Is(ctNumber))
    value = alpha->Number;
  else if (alpha->Is(ctPercentage))
    value = alpha->Number / 100;
  else if (!alpha->Is(ctIdent))
    return std::nullopt;
  return std::uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

std::optional<TStyleColor> FromRgb(const TColorArguments& arguments) {
  std::array<std::uint8_t, 3> channels{};
  for (std::size_t i = 0; i < 3; ++i) {
    const TCssToken& value = *arguments.Values[i];
    // The legacy syntax takes three numbers or three percentages, not a mixture.
    if (arguments.Legacy && value.Kind != arguments.Values[0]->Kind) return std::nullopt;
    if (value.Is(ctNumber))
      channels[i] = Channel(value.Number);
    else if (value.Is(ctPercentage))
      channels[i] = Channel(value.Number * 255 / 100);
    else if (!value.Is(ctIdent))
      return std::nullopt;
  }
  const auto alpha = AlphaOf(arguments.Alpha);
  if (!alpha) return std::nullopt;
  return TStyleColor{Rgb(channels[0], channels[1], channels[2]), *alpha, false};
}

std::optional<double> HueDegrees(const TCssToken& hue) {
  if (hue.Is(ctNumber)) return hue.Number;
  if (hue.Is(ctIdent)) return 0.0;  // none
  if (!hue.Is(ctDimension)) return std::nullopt;
  const std::u32string unit = LowerAscii(hue.Text);
  if (unit == U"deg") return hue.Number;
  if (unit == U"grad") return hue.Number * 0.9;
  if (unit == U"rad") return hue.Number * 180 / 3.14159265358979323846;
  if (unit == U"turn") return hue.Number * 360;
  return std::nullopt;
}

std::optional<TStyleColor> FromHsl(const TColorArguments& arguments) {
  const auto hue = HueDegrees(*arguments.Values[0]);
  if (!hue || !std::isfinite(*hue)) return std::nullopt;
  std::array<double, 2> fractions{};  // saturation, lightness
  for (std::size_t i = 0; i < 2; ++i) {
    const TCssToken& value = *arguments.Values[i + 1];
    if (value.Is(ctPercentage) || (!arguments.Legacy && value.Is(ctNumber)))
      fractions[i] = std::clamp(value.Number / 100, 0.0, 1.0);
    else if (!value.Is(ctIdent) || arguments.Legacy)
      return std::nullopt;
  }
  const auto alpha = AlphaOf(arguments.Alpha);
  if (!alpha) return std::nullopt;
  const double h = std::fmod(std::fmod(*hue, 360) + 360, 360);
  const double s = fractions[0];
  const double l = fractions[1];
  const double a = s * std::min(l, 1 - l);
  auto channel = [&](double n) {
    const double k = std::fmod(n + h / 30, 12);
    return Channel((l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))) * 255);
  };
  return TStyleColor{Rgb(channel(0), channel(8), channel(4)), *alpha, false};
}

}  // namespace

std::optional<TStyleColor> ColorFromComponent(std::span<const TCssToken> component) {
  if (component.empty()) return std::nullopt;
  const TCssToken& first = component.front();
  if (first.Is(ctIdent) && component.size() == 1) return FromIdent(first.Text);
  if (first.Is(ctHash) && component.size() == 1) return FromHexDigits(first.Text);
  if (!first.Is(ctFunction)) return std::nullopt;
  TCssTokenReader reader(component);
  const auto arguments = SplitArguments(reader.TakeContents());
  if (!arguments) return std::nullopt;
  const std::u32string name = LowerAscii(first.Text);
  if (name == U"rgb" || name == U"rgba") return FromRgb(*arguments);
  if (name == U"hsl" || name == U"hsla") return FromHsl(*arguments);
  return std::nullopt;
}
