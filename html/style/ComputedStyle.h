#pragma once
// Computed values: what an element's declared style comes to over its parent's values.
//
// Inherited as CSS inherits them: color, the font properties, text-align, white-space and
// list-style-type. Not inherited: display, background, vertical-align, margins and
// paddings. Text decorations are not inherited either, but an ancestor's lines go on under
// the text of everything inside it (InheritedDecoration), as CSS draws them; an element
// cannot take them away, only add its own.
//
// Sizes are CSS pixels. em and percentages of font-size count the parent's size, rem the
// root's, ex and ch half an em; the font-size keywords count the initial size; margins and
// paddings in em count the element's own size. Colours with an opacity between 0 and 1 are
// blended over the colour behind them (Backdrop), the document having no transparency;
// colours from sheets carry the document colour flag (Color.h).

#include "html/style/StyleValues.h"
#include "platform/Color.h"

// Font sizes are held within this range.
inline constexpr double MinFontPx = 1;
inline constexpr double MaxFontPx = 1000;
// Margins and paddings likewise, either way.
inline constexpr double MaxIndentPx = 10000;

struct TComputedStyle {
  TDisplay Display = dpInline;
  TColor Color = clBlack;
  bool HasBackground = false;
  TColor Background = clWhite;  // when HasBackground
  // The colour behind the element's text: its background, else its parent's backdrop. A
  // system colour here blends as white.
  TColor Backdrop = clWhite;
  // Families to try in order; null for the document's default face.
  const TFontFamilyList* FontFamily = nullptr;
  double FontPx = 16;
  double RootFontPx = 16;  // the root element's font size, for rem
  int FontWeight = 400;    // 1 to 1000; bold from 600
  bool Italic = false;
  TDecorationLines Decoration = 0;           // the element's own lines
  TDecorationLines InheritedDecoration = 0;  // the lines of its ancestors
  TVerticalAlign VerticalAlign = vaBaseline;
  TTextAlign TextAlign = taStart;
  TWhiteSpace WhiteSpace = wsNormal;
  double MarginLeftPx = 0;
  double PaddingLeftPx = 0;
  TListStyleType ListStyleType = lsDisc;
};

// The values of an element with this declared style. parent is the parent element's values,
// null for the root; initial gives the initial values (the document's colour, background,
// font size and face among them) and is what the root inherits from. The result may point
// at font family lists of the declarations: it lives no longer than they do.
TComputedStyle ComputeStyle(const TDeclaredStyle& declared, const TComputedStyle* parent,
                            const TComputedStyle& initial);
