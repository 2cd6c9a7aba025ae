#include "html/style/PropertyValues.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "html/style/ColorValues.h"
#include "html/style/CssTokenReader.h"
#include "html/style/StyleLimits.h"
#include "html/support/LetterCase.h"
#include "html/support/Utf8.h"

namespace {

using TComponent = std::span<const TCssToken>;
using TComponents = std::vector<TComponent>;

// Values are held to a range that no arithmetic on them can overflow; the computed values
// clamp them far tighter.
constexpr double MaxStoredNumber = 1e9;
double Stored(double value) { return std::clamp(value, -MaxStoredNumber, MaxStoredNumber); }

// A keyword of a property and the value it stands for.
struct TKeyword {
  std::u32string_view Name;
  std::uint8_t Value;
};

template <std::size_t N>
std::optional<std::uint8_t> KeywordOf(const TComponent& component, const TKeyword (&keywords)[N]) {
  if (component.size() != 1 || !component[0].Is(ctIdent)) return std::nullopt;
  for (const TKeyword& keyword : keywords)
    if (EqualsIgnoringCase(component[0].Text, keyword.Name)) return keyword.Value;
  return std::nullopt;
}

bool IsKeyword(const TComponent& component, std::u32string_view lowerName) {
  return component.size() == 1 && component[0].IsIdent(lowerName);
}

// Whether a component is one of these lower-case identifiers, which must be sorted.
template <std::size_t N>
bool IsOneOf(const TComponent& component, const std::u32string_view (&names)[N]) {
  return component.size() == 1 && component[0].Is(ctIdent) &&
         std::binary_search(std::begin(names), std::end(names), LowerAscii(component[0].Text));
}

constexpr TKeyword DisplayKeywords[] = {
    {U"none", dpNone},          {U"inline", dpInline},       {U"block", dpBlock},
    {U"list-item", dpListItem}, {U"inline-block", dpInline}, {U"inline-flex", dpInline},
    {U"inline-grid", dpInline}, {U"inline-table", dpInline}, {U"flex", dpBlock},
    {U"grid", dpBlock},         {U"table", dpBlock},         {U"flow-root", dpBlock},
};
constexpr TKeyword TextAlignKeywords[] = {
    {U"start", taStart}, {U"end", taEnd},       {U"left", taLeft},
    {U"right", taRight}, {U"center", taCenter}, {U"justify", taJustify},
};
constexpr TKeyword WhiteSpaceKeywords[] = {
    {U"normal", wsNormal},    {U"pre", wsPre},       {U"pre-wrap", wsPreWrap},
    {U"pre-line", wsPreLine}, {U"nowrap", wsNoWrap}, {U"break-spaces", wsPreWrap},
};
constexpr TKeyword ListStyleKeywords[] = {
    {U"none", lsNone},
    {U"disc", lsDisc},
    {U"circle", lsCircle},
    {U"square", lsSquare},
    {U"decimal", lsDecimal},
    {U"lower-alpha", lsLowerAlpha},
    {U"upper-alpha", lsUpperAlpha},
    {U"lower-latin", lsLowerAlpha},
    {U"upper-latin", lsUpperAlpha},
    {U"lower-roman", lsLowerRoman},
    {U"upper-roman", lsUpperRoman},
};
constexpr TKeyword VerticalAlignKeywords[] = {
    {U"baseline", vaBaseline}, {U"sub", vaSub}, {U"super", vaSuper}};
constexpr TKeyword FontStyleKeywords[] = {
    {U"normal", fkNormal}, {U"italic", fkItalic}, {U"oblique", fkItalic}};
constexpr TKeyword DecorationLineKeywords[] = {{U"underline", tdUnderline},
                                               {U"line-through", tdLineThrough},
                                               {U"overline", tdOverline},
                                               {U"blink", 0}};

// Font-size keywords as multiples of the initial size; smaller and larger as em.
struct TSizeKeyword {
  std::u32string_view Name;
  double Factor;
  TLengthUnit Unit;
};
constexpr TSizeKeyword FontSizeKeywords[] = {
    {U"xx-small", 3.0 / 5, luMedium}, {U"x-small", 3.0 / 4, luMedium},
    {U"small", 8.0 / 9, luMedium},    {U"medium", 1, luMedium},
    {U"large", 6.0 / 5, luMedium},    {U"x-large", 3.0 / 2, luMedium},
    {U"xx-large", 2, luMedium},       {U"xxx-large", 3, luMedium},
    {U"smaller", 1 / 1.2, luEm},      {U"larger", 1.2, luEm},
};

// Pixels per unit of the absolute lengths, at 96 pixels per inch.
struct TAbsoluteUnit {
  std::u32string_view Name;
  double Pixels;
};
constexpr TAbsoluteUnit AbsoluteUnits[] = {
    {U"px", 1},         {U"pt", 96.0 / 72}, {U"pc", 16},        {U"in", 96},
    {U"cm", 96 / 2.54}, {U"mm", 96 / 25.4}, {U"q", 96 / 101.6},
};
constexpr TKeyword FontUnits[] = {{U"em", luEm}, {U"ex", luEx}, {U"ch", luCh}, {U"rem", luRem}};

enum TLengthKind { lkLength, lkPercentage, lkInvalid };

// A length (unit and number into value) or a percentage (its number into value).
TLengthKind ReadLength(const TComponent& component, TStyleValue& value) {
  if (component.size() != 1) return lkInvalid;
  const TCssToken& token = component[0];
  if (token.Is(ctPercentage)) {
    value.Number = Stored(token.Number);
    return lkPercentage;
  }
  if (token.Is(ctNumber) && token.Number == 0) {
    value.Number = 0;
    value.Unit = luPx;
    return lkLength;
  }
  if (!token.Is(ctDimension)) return lkInvalid;
  for (const TAbsoluteUnit& unit : AbsoluteUnits) {
    if (EqualsIgnoringCase(token.Text, unit.Name)) {
      value.Number = Stored(token.Number * unit.Pixels);
      value.Unit = luPx;
      return lkLength;
    }
  }
  for (const TKeyword& unit : FontUnits) {
    if (EqualsIgnoringCase(token.Text, unit.Name)) {
      value.Number = Stored(token.Number);
      value.Unit = TLengthUnit(unit.Value);
      return lkLength;
    }
  }
  return lkInvalid;
}

// What one declaration declares, held until its whole value has been read.
class TEmitter {
 public:
  void Add(TStyleProperty property, const TStyleValue& value) {
    Items[Count++] = {property, value};
  }
  std::optional<TFontFamilyList> Families;  // the value of a font-family this declares

  void AppendTo(TDeclarationList& list, bool important) {
    for (std::size_t i = 0; i < Count; ++i) {
      TDeclaration declaration{Items[i].first, vsValue, important, Items[i].second};
      if (declaration.Property == spFontFamily)
        declaration.Value.Families = list.KeepFamilies(std::move(*Families));
      list.Items.push_back(declaration);
    }
  }

 private:
  std::array<std::pair<TStyleProperty, TStyleValue>, 4> Items;
  std::size_t Count = 0;
};

using TParser = bool (*)(const TComponents&, TEmitter&);

template <TStyleProperty Property, const auto& Keywords>
bool ParseKeyword(const TComponents& components, TEmitter& out) {
  if (components.size() != 1) return false;
  const auto keyword = KeywordOf(components[0], Keywords);
  if (!keyword) return false;
  TStyleValue value;
  value.Keyword = *keyword;
  out.Add(Property, value);
  return true;
}

template <TStyleProperty Property>
bool ParseColor(const TComponents& components, TEmitter& out) {
  if (components.size() != 1) return false;
  const auto color = ColorFromComponent(components[0]);
  if (!color) return false;
  TStyleValue value;
  value.Color = *color;
  out.Add(Property, value);
  return true;
}

bool IsBackgroundPart(const TComponent& component) {
  static constexpr std::u32string_view Keywords[] = {
      U"auto",        U"border-box", U"bottom",   U"center",   U"contain",   U"content-box",
      U"cover",       U"fixed",      U"left",     U"local",    U"no-repeat", U"none",
      U"padding-box", U"repeat",     U"repeat-x", U"repeat-y", U"right",     U"round",
      U"scroll",      U"space",      U"text",     U"top"};
  static constexpr std::u32string_view Pictures[] = {U"conic-gradient",
                                                     U"cross-fade",
                                                     U"element",
                                                     U"image",
                                                     U"image-set",
                                                     U"linear-gradient",
                                                     U"radial-gradient",
                                                     U"repeating-conic-gradient",
                                                     U"repeating-linear-gradient",
                                                     U"repeating-radial-gradient",
                                                     U"url"};
  const TCssToken& first = component[0];
  switch (first.Kind) {
    case ctIdent:
      return IsOneOf(component, Keywords);
    case ctFunction:
      return std::binary_search(std::begin(Pictures), std::end(Pictures), LowerAscii(first.Text));
    case ctUrl:
    case ctNumber:
    case ctPercentage:
    case ctDimension:
      return true;
    case ctDelim:
      return first.IsDelim(U'/');
    default:
      return false;
  }
}

bool ParseBackground(const TComponents& components, TEmitter& out) {
  // Only the last layer may carry the colour; without one it is transparent.
  std::optional<TStyleColor> color;
  for (std::size_t i = 0; i < components.size(); ++i) {
    if (components[i][0].Is(ctComma)) {
      if (color) return false;
      continue;
    }
    if (const auto found = ColorFromComponent(components[i])) {
      if (color) return false;
      color = found;
    } else if (!IsBackgroundPart(components[i])) {
      return false;
    }
  }
  TStyleValue value;
  value.Color = color.value_or(TStyleColor{0, 0, false});
  out.Add(spBackgroundColor, value);
  return true;
}

// A font family list: names (a string, or identifiers joined by one space) and generic
// families, separated by commas.
std::optional<TFontFamilyList> ReadFamilies(std::span<const TComponent> components) {
  TFontFamilyList families;
  std::size_t i = 0;
  while (i < components.size()) {
    std::u32string name;
    std::size_t words = 0;
    bool quoted = false;
    for (; i < components.size() && !components[i][0].Is(ctComma); ++i, ++words) {
      const TCssToken& token = components[i][0];
      if (token.Is(ctString) && words == 0) {
        quoted = true;
        name = token.Text;
      } else if (token.Is(ctIdent) && !quoted) {
        if (words > 0) name += U' ';
        name += token.Text;
      } else {
        return std::nullopt;
      }
    }
    if (words == 0 || (quoted && words > 1)) return std::nullopt;
    if (i < components.size() && ++i == components.size()) return std::nullopt;  // a trailing comma
    TFontFamily family;
    if (!quoted && words == 1) {
      const std::u32string lower = LowerAscii(name);
      if (lower == U"serif" || lower == U"ui-serif") {
        family.Generic = gfSerif;
      } else if (lower == U"sans-serif" || lower == U"ui-sans-serif" || lower == U"system-ui") {
        family.Generic = gfSansSerif;
      } else if (lower == U"monospace" || lower == U"ui-monospace") {
        family.Generic = gfMonospace;
      } else if (lower == U"cursive" || lower == U"fantasy" || lower == U"emoji" ||
                 lower == U"math" || lower == U"fangsong" || lower == U"ui-rounded") {
        continue;  // no face of the document looks like these
      } else if (lower == U"inherit" || lower == U"initial" || lower == U"unset" ||
                 lower == U"default" || lower == U"revert") {
        return std::nullopt;
      }
    }
    if (family.Generic == gfNone) family.Name = EncodeUtf8(name);
    if (families.size() < MaxFontFamilies) families.push_back(std::move(family));
  }
  if (families.empty()) return std::nullopt;
  return families;
}

bool ParseFontFamily(const TComponents& components, TEmitter& out) {
  out.Families = ReadFamilies(components);
  if (!out.Families) return false;
  out.Add(spFontFamily, TStyleValue{});
  return true;
}

std::optional<TStyleValue> FontSizeOf(const TComponent& component) {
  TStyleValue value;
  if (component.size() == 1 && component[0].Is(ctIdent)) {
    for (const TSizeKeyword& keyword : FontSizeKeywords) {
      if (component[0].IsIdent(keyword.Name)) {
        value.Number = keyword.Factor;
        value.Unit = keyword.Unit;
        return value;
      }
    }
    return std::nullopt;
  }
  const TLengthKind kind = ReadLength(component, value);
  if (kind == lkInvalid || value.Number < 0) return std::nullopt;
  if (kind == lkPercentage) {
    value.Number /= 100;
    value.Unit = luEm;
  }
  return value;
}

bool ParseFontSize(const TComponents& components, TEmitter& out) {
  if (components.size() != 1) return false;
  const auto value = FontSizeOf(components[0]);
  if (!value) return false;
  out.Add(spFontSize, *value);
  return true;
}

std::optional<TStyleValue> FontWeightOf(const TComponent& component) {
  TStyleValue value;
  if (component.size() != 1) return std::nullopt;
  const TCssToken& token = component[0];
  if (token.Is(ctNumber)) {
    if (token.Number < 1 || token.Number > 1000) return std::nullopt;
    value.Keyword = fwNumber;
    value.Number = token.Number;
  } else if (token.IsIdent(U"normal") || token.IsIdent(U"bold")) {
    value.Keyword = fwNumber;
    value.Number = token.IsIdent(U"bold") ? 700 : 400;
  } else if (token.IsIdent(U"bolder") || token.IsIdent(U"lighter")) {
    value.Keyword = token.IsIdent(U"bolder") ? fwBolder : fwLighter;
  } else {
    return std::nullopt;
  }
  return value;
}

bool ParseFontWeight(const TComponents& components, TEmitter& out) {
  if (components.size() != 1) return false;
  const auto value = FontWeightOf(components[0]);
  if (!value) return false;
  out.Add(spFontWeight, *value);
  return true;
}

bool ParseFontStyle(const TComponents& components, TEmitter& out) {
  // "oblique" may name its angle.
  if (components.size() == 2 && IsKeyword(components[0], U"oblique") &&
      components[1][0].Is(ctDimension)) {
    TStyleValue value;
    value.Keyword = fkItalic;
    out.Add(spFontStyle, value);
    return true;
  }
  return ParseKeyword<spFontStyle, FontStyleKeywords>(components, out);
}

bool ParseFont(const TComponents& components, TEmitter& out) {
  // "normal" and the variant and stretch keywords, which the document has no use for.
  static constexpr std::u32string_view LeftAside[] = {
      U"condensed",       U"expanded",       U"extra-condensed", U"extra-expanded",
      U"normal",          U"semi-condensed", U"semi-expanded",   U"small-caps",
      U"ultra-condensed", U"ultra-expanded"};
  TStyleValue style, weight;
  weight.Number = 400;
  // Style, variant, weight and stretch in any order, then the size.
  std::size_t i = 0;
  for (; i < components.size() && i < 4; ++i) {
    const TComponent& component = components[i];
    if (IsOneOf(component, LeftAside)) continue;
    if (const auto keyword = KeywordOf(component, FontStyleKeywords))
      style.Keyword = *keyword;
    else if (const auto value = FontWeightOf(component))
      weight = *value;
    else
      break;
  }
  if (i >= components.size()) return false;
  const auto size = FontSizeOf(components[i++]);
  if (!size) return false;
  if (i < components.size() && components[i][0].IsDelim(U'/')) {
    if (i + 1 >= components.size()) return false;
    const TCssToken& height = components[i + 1][0];
    if (!height.Is(ctNumber) && !height.Is(ctPercentage) && !height.Is(ctDimension) &&
        !height.IsIdent(U"normal"))
      return false;
    i += 2;
  }
  out.Families = ReadFamilies(std::span(components).subspan(i));
  if (!out.Families) return false;
  out.Add(spFontStyle, style);
  out.Add(spFontWeight, weight);
  out.Add(spFontSize, *size);
  out.Add(spFontFamily, TStyleValue{});
  return true;
}

// Decoration lines: "none", or a set of line keywords. Other parts of the text-decoration
// shorthand (style, colour, thickness) are allowed when shorthand is true.
bool ParseDecoration(const TComponents& components, TEmitter& out, bool shorthand) {
  static constexpr std::u32string_view Others[] = {U"auto",      U"dashed", U"dotted", U"double",
                                                   U"from-font", U"solid",  U"wavy"};
  TDecorationLines lines = 0;
  bool none = false, anyLine = false;
  for (const TComponent& component : components) {
    if (IsKeyword(component, U"none")) {
      if (none || anyLine) return false;
      none = true;
    } else if (const auto line = KeywordOf(component, DecorationLineKeywords)) {
      if (none) return false;
      lines |= *line;
      anyLine = true;
    } else if (!shorthand) {
      return false;
    } else if (TStyleValue length; !IsOneOf(component, Others) &&
                                   ReadLength(component, length) == lkInvalid &&
                                   !ColorFromComponent(component)) {
      return false;
    }
  }
  if (components.empty()) return false;
  TStyleValue value;
  value.Keyword = lines;
  out.Add(spTextDecorationLine, value);
  return true;
}

bool ParseTextDecoration(const TComponents& components, TEmitter& out) {
  return ParseDecoration(components, out, true);
}
bool ParseTextDecorationLine(const TComponents& components, TEmitter& out) {
  return ParseDecoration(components, out, false);
}

// One side of margin or padding; margins may be auto (0) and negative.
bool SideOf(const TComponent& component, bool margin, TStyleValue& value) {
  if (margin && IsKeyword(component, U"auto")) {
    value = TStyleValue{};
    return true;
  }
  return ReadLength(component, value) == lkLength && (margin || value.Number >= 0);
}

template <TStyleProperty Property, bool Margin>
bool ParseLeftSide(const TComponents& components, TEmitter& out) {
  TStyleValue value;
  if (components.size() != 1 || !SideOf(components[0], Margin, value)) return false;
  out.Add(Property, value);
  return true;
}

// margin and padding: top, right, bottom and left, with the usual repetition for fewer
// values; the left one is kept.
template <TStyleProperty Property, bool Margin>
bool ParseSides(const TComponents& components, TEmitter& out) {
  if (components.empty() || components.size() > 4) return false;
  for (const TComponent& component : components) {
    TStyleValue side;
    const bool percentage = component.size() == 1 && component[0].Is(ctPercentage) &&
                            (Margin || component[0].Number >= 0);
    if (!percentage && !SideOf(component, Margin, side)) return false;
  }
  constexpr std::size_t LeftIndex[] = {0, 0, 1, 1, 3};
  TStyleValue left;
  if (!SideOf(components[LeftIndex[components.size()]], Margin, left)) return false;
  out.Add(Property, left);
  return true;
}

bool ParseListStyle(const TComponents& components, TEmitter& out) {
  static constexpr std::u32string_view Positions[] = {U"inside", U"outside"};
  std::optional<std::uint8_t> type;
  bool image = false, position = false;
  int nones = 0;
  for (const TComponent& component : components) {
    const TCssToken& first = component[0];
    if (IsKeyword(component, U"none")) {
      ++nones;
    } else if (const auto keyword = KeywordOf(component, ListStyleKeywords)) {
      if (type) return false;
      type = *keyword;
    } else if (IsOneOf(component, Positions)) {
      if (position) return false;
      position = true;
    } else if (first.Is(ctUrl) || first.Is(ctFunction)) {
      if (image) return false;
      image = true;
    } else {
      return false;
    }
  }
  // "none" fills the type and the image, whichever the value does not give otherwise.
  if (nones > int(!type) + int(!image) || components.empty()) return false;
  TStyleValue value;
  value.Keyword = type.value_or(nones > 0 ? lsNone : lsDisc);
  out.Add(spListStyleType, value);
  return true;
}

struct TProperty {
  std::u32string_view Name;
  TParser Parse;
  std::array<TStyleProperty, 4> Longhands;
  std::size_t LonghandCount;
};

// Sorted by name.
const TProperty Properties[] = {
    {U"background", ParseBackground, {spBackgroundColor}, 1},
    {U"background-color", ParseColor<spBackgroundColor>, {spBackgroundColor}, 1},
    {U"color", ParseColor<spColor>, {spColor}, 1},
    {U"display", ParseKeyword<spDisplay, DisplayKeywords>, {spDisplay}, 1},
    {U"font", ParseFont, {spFontStyle, spFontWeight, spFontSize, spFontFamily}, 4},
    {U"font-family", ParseFontFamily, {spFontFamily}, 1},
    {U"font-size", ParseFontSize, {spFontSize}, 1},
    {U"font-style", ParseFontStyle, {spFontStyle}, 1},
    {U"font-weight", ParseFontWeight, {spFontWeight}, 1},
    {U"list-style", ParseListStyle, {spListStyleType}, 1},
    {U"list-style-type", ParseKeyword<spListStyleType, ListStyleKeywords>, {spListStyleType}, 1},
    {U"margin", ParseSides<spMarginLeft, true>, {spMarginLeft}, 1},
    {U"margin-left", ParseLeftSide<spMarginLeft, true>, {spMarginLeft}, 1},
    {U"padding", ParseSides<spPaddingLeft, false>, {spPaddingLeft}, 1},
    {U"padding-left", ParseLeftSide<spPaddingLeft, false>, {spPaddingLeft}, 1},
    {U"text-align", ParseKeyword<spTextAlign, TextAlignKeywords>, {spTextAlign}, 1},
    {U"text-decoration", ParseTextDecoration, {spTextDecorationLine}, 1},
    {U"text-decoration-line", ParseTextDecorationLine, {spTextDecorationLine}, 1},
    {U"vertical-align", ParseKeyword<spVerticalAlign, VerticalAlignKeywords>, {spVerticalAlign}, 1},
    {U"white-space", ParseKeyword<spWhiteSpace, WhiteSpaceKeywords>, {spWhiteSpace}, 1},
};

const TProperty* FindProperty(std::u32string_view lowerName) {
  auto found = std::lower_bound(
      std::begin(Properties), std::end(Properties), lowerName,
      [](const TProperty& property, std::u32string_view name) { return property.Name < name; });
  return found != std::end(Properties) && found->Name == lowerName ? &*found : nullptr;
}

std::optional<TValueState> WideKeyword(const TComponents& components) {
  static constexpr TKeyword Keywords[] = {{U"inherit", vsInherit},
                                          {U"initial", vsInitial},
                                          {U"unset", vsUnset},
                                          {U"revert", vsUnset},
                                          {U"revert-layer", vsUnset}};
  if (components.size() != 1) return std::nullopt;
  const auto state = KeywordOf(components[0], Keywords);
  if (!state) return std::nullopt;
  return TValueState(*state);
}

}  // namespace

const TFontFamilyList* TDeclarationList::KeepFamilies(TFontFamilyList families) {
  Families.push_back(std::make_unique<TFontFamilyList>(std::move(families)));
  return Families.back().get();
}

bool ParseDeclarationValue(std::u32string_view name, std::span<const TCssToken> value,
                           bool important, TDeclarationList& list) {
  const TProperty* property = FindProperty(LowerAscii(name));
  if (!property) return false;
  TComponents components;
  TCssTokenReader reader(value);
  for (reader.SkipWhitespace(); !reader.AtEnd(); reader.SkipWhitespace())
    components.push_back(reader.TakeComponent());
  if (components.empty()) return false;
  if (const auto state = WideKeyword(components)) {
    for (std::size_t i = 0; i < property->LonghandCount; ++i)
      list.Items.push_back(TDeclaration{property->Longhands[i], *state, important, {}});
    return true;
  }
  TEmitter emitter;
  if (!property->Parse(components, emitter)) return false;
  emitter.AppendTo(list, important);
  return true;
}
