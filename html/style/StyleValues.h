#pragma once
// What style declarations say, as typed values: the properties the engine supports, the
// value of each, a declaration, and the declared style the cascade decides for one element.
// Shorthands (margin, padding, background, list-style, text-decoration, font) are expanded
// into these properties when a sheet is read; every other property is read and dropped.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Color.h"

enum TStyleProperty : std::uint8_t {
  spDisplay,
  spColor,
  spBackgroundColor,
  spFontFamily,
  spFontSize,
  spFontWeight,
  spFontStyle,
  spTextDecorationLine,
  spVerticalAlign,
  spTextAlign,
  spWhiteSpace,
  spMarginLeft,
  spPaddingLeft,
  spListStyleType,
  StylePropertyCount
};

// How an element takes part in the flow. inline-block, inline-flex, inline-grid and
// inline-table read as dpInline; flex, grid, table and flow-root as dpBlock.
enum TDisplay : std::uint8_t { dpInline, dpBlock, dpListItem, dpNone };
// start and end are left and right in left-to-right text; the document decides.
enum TTextAlign : std::uint8_t { taStart, taEnd, taLeft, taRight, taCenter, taJustify };
enum TWhiteSpace : std::uint8_t { wsNormal, wsPre, wsPreWrap, wsPreLine, wsNoWrap };
// lower-latin and upper-latin read as the alpha styles.
enum TListStyleType : std::uint8_t {
  lsDisc,
  lsCircle,
  lsSquare,
  lsDecimal,
  lsLowerAlpha,
  lsUpperAlpha,
  lsLowerRoman,
  lsUpperRoman,
  lsNone
};
enum TVerticalAlign : std::uint8_t { vaBaseline, vaSub, vaSuper };
enum TFontStyleKind : std::uint8_t { fkNormal, fkItalic };  // oblique reads as italic
// A font-weight value: a number, or one step from the parent's weight.
enum TFontWeightKind : std::uint8_t { fwNumber, fwBolder, fwLighter };

// Text decoration lines, a set. Overline is read but the document cannot draw it.
using TDecorationLines = std::uint8_t;
inline constexpr TDecorationLines tdUnderline = 1;
inline constexpr TDecorationLines tdLineThrough = 2;
inline constexpr TDecorationLines tdOverline = 4;

// Units lengths keep until they are computed: absolute units are pixels already (96 per
// inch); em, ex, ch and rem follow the font; luMedium counts the initial font size (the
// font-size keywords). Percentages of a font size read as em.
enum TLengthUnit : std::uint8_t { luPx, luEm, luEx, luCh, luRem, luMedium };

// The generic families the document maps onto its faces; gfNone is a named family.
enum TGenericFamily : std::uint8_t { gfNone, gfSerif, gfSansSerif, gfMonospace };

struct TFontFamily {
  TGenericFamily Generic = gfNone;
  std::string Name;  // UTF-8, for a named family
};
// Families in the order they are to be tried.
using TFontFamilyList = std::vector<TFontFamily>;

// A colour as written: red, green and blue (or a system colour, see Color.h) with its
// opacity, or the element's current text colour.
struct TStyleColor {
  TColor Rgb = 0;
  std::uint8_t Alpha = 255;  // 0 is transparent
  bool Current = false;      // currentColor
};

// One property's value; which fields count depends on the property.
struct TStyleValue {
  std::uint8_t Keyword = 0;  // display, font-style, white-space, ... as their enumerations;
                             // decoration lines as a set; font-weight as a TFontWeightKind
  double Number = 0;         // lengths and font sizes in Unit; the weight of fwNumber
  TLengthUnit Unit = luPx;
  TStyleColor Color;                          // color, background-color
  const TFontFamilyList* Families = nullptr;  // font-family; owned by the declaration list
};

// The CSS-wide keywords. unset (and revert, which reads as unset) inherits for inherited
// properties and takes the initial value for the others.
enum TValueState : std::uint8_t { vsValue, vsInherit, vsInitial, vsUnset };

struct TDeclaration {
  TStyleProperty Property = spDisplay;
  TValueState State = vsValue;
  bool Important = false;
  TStyleValue Value;
};

// Declarations in source order, with the font family lists they point to.
class TDeclarationList {
 public:
  std::vector<TDeclaration> Items;

  // Keeps a family list for as long as the list lives and answers where it is.
  const TFontFamilyList* KeepFamilies(TFontFamilyList families);

 private:
  std::vector<std::unique_ptr<TFontFamilyList>> Families;
};

// What the cascade decided for one element: for each property the winning declaration, or
// none. The declarations belong to the sheets and style attributes they came from.
struct TDeclaredStyle {
  std::array<const TDeclaration*, StylePropertyCount> Winners{};

  const TDeclaration* operator[](TStyleProperty property) const { return Winners[property]; }
};
