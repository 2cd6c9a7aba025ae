#include "html/style/ComputedStyle.h"

#include <algorithm>
#include <cmath>

namespace {

// Where a property's value comes from.
enum TSource { srDeclared, srParent, srInitial };

TSource SourceOf(const TDeclaration* declaration, bool inherited) {
  if (!declaration) return inherited ? srParent : srInitial;
  switch (declaration->State) {
    case vsValue:
      return srDeclared;
    case vsInherit:
      return srParent;
    case vsInitial:
      return srInitial;
    case vsUnset:
      break;
  }
  return inherited ? srParent : srInitial;
}

// The value of a property from the source its declaration names; declared computes the
// declared value.
template <typename T, typename TDeclared>
T Resolve(const TDeclaration* declaration, bool inherited, const T& parent, const T& initial,
          TDeclared declared) {
  switch (SourceOf(declaration, inherited)) {
    case srDeclared:
      return declared(declaration->Value);
    case srParent:
      return parent;
    case srInitial:
      break;
  }
  return initial;
}

TColor DocumentColor(TColor color) {
  return IsSystemColor(color) ? color : (color & 0xFFFFFF) | PaletteRelative;
}

// color at this opacity over backdrop. A system colour has no value to blend until drawn,
// so it stays as it is, and a system backdrop counts as white.
TColor Blend(TColor color, std::uint8_t alpha, TColor backdrop) {
  if (alpha == 255 || IsSystemColor(color)) return color;
  const TColor under = IsSystemColor(backdrop) ? clWhite : backdrop;
  auto mix = [&](std::uint8_t over, std::uint8_t below) {
    return std::uint8_t((over * alpha + below * (255 - alpha) + 127) / 255);
  };
  return Rgb(mix(RedOf(color), RedOf(under)), mix(GreenOf(color), GreenOf(under)),
             mix(BlueOf(color), BlueOf(under)));
}

// The steps of bolder and lighter from the parent's weight.
int Bolder(int weight) {
  return weight < 350 ? 400 : weight < 550 ? 700 : weight < 900 ? 900 : weight;
}
int Lighter(int weight) {
  return weight < 100 ? weight : weight < 550 ? 100 : weight < 750 ? 400 : 700;
}

// A length of margin or padding in pixels for an element of this font size.
double IndentPx(const TStyleValue& value, double fontPx, double rootFontPx) {
  double px = value.Number;
  switch (value.Unit) {
    case luEm:
      px *= fontPx;
      break;
    case luEx:
    case luCh:
      px *= fontPx / 2;
      break;
    case luRem:
      px *= rootFontPx;
      break;
    case luPx:
    case luMedium:
      break;
  }
  return std::clamp(px, -MaxIndentPx, MaxIndentPx);
}

}  // namespace

TComputedStyle ComputeStyle(const TDeclaredStyle& declared, const TComputedStyle* parent,
                            const TComputedStyle& initial) {
  const TComputedStyle& from = parent ? *parent : initial;
  TComputedStyle out;

  out.Display = Resolve(declared[spDisplay], false, from.Display, initial.Display,
                        [](const TStyleValue& v) { return TDisplay(v.Keyword); });

  // Fonts first: lengths count the font size.
  const double rootFontPx = parent ? parent->RootFontPx : initial.FontPx;
  out.FontPx =
      Resolve(declared[spFontSize], true, from.FontPx, initial.FontPx, [&](const TStyleValue& v) {
        switch (v.Unit) {
          case luPx:
            return v.Number;
          case luEm:
            return v.Number * from.FontPx;
          case luEx:
          case luCh:
            return v.Number * from.FontPx / 2;
          case luRem:
            return v.Number * rootFontPx;
          case luMedium:
            break;
        }
        return v.Number * initial.FontPx;
      });
  out.FontPx = std::clamp(out.FontPx, MinFontPx, MaxFontPx);
  out.RootFontPx = parent ? parent->RootFontPx : out.FontPx;
  out.FontFamily = Resolve(declared[spFontFamily], true, from.FontFamily, initial.FontFamily,
                           [](const TStyleValue& v) { return v.Families; });
  out.FontWeight = Resolve(declared[spFontWeight], true, from.FontWeight, initial.FontWeight,
                           [&](const TStyleValue& v) {
                             switch (TFontWeightKind(v.Keyword)) {
                               case fwBolder:
                                 return Bolder(from.FontWeight);
                               case fwLighter:
                                 return Lighter(from.FontWeight);
                               case fwNumber:
                                 break;
                             }
                             return int(std::lround(std::clamp(v.Number, 1.0, 1000.0)));
                           });
  out.Italic = Resolve(declared[spFontStyle], true, from.Italic, initial.Italic,
                       [](const TStyleValue& v) { return v.Keyword == fkItalic; });

  out.Decoration =
      Resolve(declared[spTextDecorationLine], false, from.Decoration, initial.Decoration,
              [](const TStyleValue& v) { return TDecorationLines(v.Keyword); });
  out.InheritedDecoration = parent
                                ? TDecorationLines(parent->InheritedDecoration | parent->Decoration)
                                : initial.InheritedDecoration;
  out.VerticalAlign =
      Resolve(declared[spVerticalAlign], false, from.VerticalAlign, initial.VerticalAlign,
              [](const TStyleValue& v) { return TVerticalAlign(v.Keyword); });
  out.TextAlign = Resolve(declared[spTextAlign], true, from.TextAlign, initial.TextAlign,
                          [](const TStyleValue& v) { return TTextAlign(v.Keyword); });
  out.WhiteSpace = Resolve(declared[spWhiteSpace], true, from.WhiteSpace, initial.WhiteSpace,
                           [](const TStyleValue& v) { return TWhiteSpace(v.Keyword); });
  out.ListStyleType =
      Resolve(declared[spListStyleType], true, from.ListStyleType, initial.ListStyleType,
              [](const TStyleValue& v) { return TListStyleType(v.Keyword); });
  out.MarginLeftPx =
      Resolve(declared[spMarginLeft], false, from.MarginLeftPx, initial.MarginLeftPx,
              [&](const TStyleValue& v) { return IndentPx(v, out.FontPx, out.RootFontPx); });
  out.PaddingLeftPx =
      Resolve(declared[spPaddingLeft], false, from.PaddingLeftPx, initial.PaddingLeftPx,
              [&](const TStyleValue& v) { return IndentPx(v, out.FontPx, out.RootFontPx); });

  // Colours. The background lies over the parent's backdrop and the text over the
  // background; a background of currentColor waits for the text colour, whose own blending
  // then sees the parent's backdrop.
  const TColor parentBackdrop = parent ? parent->Backdrop : initial.Backdrop;
  const TDeclaration* background = declared[spBackgroundColor];
  const bool backgroundIsText = SourceOf(background, false) == srDeclared &&
                                background->Value.Color.Current &&
                                background->Value.Color.Alpha > 0;
  auto computeBackground = [&] {
    out.HasBackground = false;
    out.Background = initial.Background;
    switch (SourceOf(background, false)) {
      case srDeclared: {
        const TStyleColor& color = background->Value.Color;
        if (color.Alpha == 0) break;  // transparent
        out.HasBackground = true;
        out.Background = DocumentColor(
            Blend(color.Current ? out.Color : color.Rgb, color.Alpha, parentBackdrop));
        break;
      }
      case srParent:
        out.HasBackground = from.HasBackground;
        out.Background = from.Background;
        break;
      case srInitial:
        out.HasBackground = initial.HasBackground;
        out.Background = initial.Background;
        break;
    }
    out.Backdrop = out.HasBackground ? out.Background : parentBackdrop;
  };
  if (backgroundIsText)
    out.Backdrop = parentBackdrop;
  else
    computeBackground();
  out.Color =
      Resolve(declared[spColor], true, from.Color, initial.Color, [&](const TStyleValue& v) {
        if (v.Color.Current) return from.Color;
        return DocumentColor(Blend(v.Color.Rgb, v.Color.Alpha, out.Backdrop));
      });
  if (backgroundIsText) computeBackground();
  return out;
}
