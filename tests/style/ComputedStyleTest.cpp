#include <gtest/gtest.h>

#include <deque>

#include "StyleTestSupport.h"
#include "html/style/ComputedStyle.h"
#include "html/style/StyleCascade.h"

namespace {

TComputedStyle Initial() {
  TComputedStyle initial;
  initial.Color = Rgb(1, 2, 3);
  initial.Backdrop = clWhite;
  initial.FontPx = 16;
  return initial;
}

// The values of a line of nested elements, each declaring one STYLE attribute.
class TChain {
 public:
  explicit TChain(std::initializer_list<std::u32string_view> styles,
                  TComputedStyle initial = Initial())
      : InitialStyle(initial) {
    for (std::u32string_view style : styles) {
      const TDeclarationList& list = Lists.emplace_back(ParseDeclarations(style));
      TDeclaredStyle declared;
      ApplyCascade({}, &list, declared);
      Styles.push_back(
          ComputeStyle(declared, Styles.empty() ? nullptr : &Styles.back(), InitialStyle));
    }
  }
  const TComputedStyle& operator[](std::size_t index) const { return Styles[index]; }
  const TComputedStyle& Last() const { return Styles.back(); }
  const TDeclarationList& List(std::size_t index) const { return Lists[index]; }

 private:
  TComputedStyle InitialStyle;
  std::deque<TDeclarationList> Lists;  // the values point into them
  std::deque<TComputedStyle> Styles;
};

constexpr TColor Document(TColor color) { return color | PaletteRelative; }

}  // namespace

TEST(ComputedStyle, WhatIsInheritedAndWhatIsNot) {
  const TChain chain{
      U"color: red; font-size: 20px; font-weight: bold; font-style: italic; text-align: center;"
      U"white-space: pre; list-style-type: square; display: block; background: blue;"
      U"margin-left: 10px; padding-left: 5px; vertical-align: sub; text-decoration: underline;"
      U"font-family: serif",
      U""};
  const TComputedStyle& child = chain.Last();
  EXPECT_EQ(child.Color, Document(clRed));
  EXPECT_EQ(child.FontPx, 20);
  EXPECT_EQ(child.FontWeight, 700);
  EXPECT_TRUE(child.Italic);
  EXPECT_EQ(child.TextAlign, taCenter);
  EXPECT_EQ(child.WhiteSpace, wsPre);
  EXPECT_EQ(child.ListStyleType, lsSquare);
  EXPECT_EQ(child.FontFamily, chain.List(0).Items.back().Value.Families);
  EXPECT_EQ(child.Display, dpInline);
  EXPECT_FALSE(child.HasBackground);
  EXPECT_EQ(child.Backdrop, Document(clBlue));  // the parent's background shows behind it
  EXPECT_EQ(child.MarginLeftPx, 0);
  EXPECT_EQ(child.PaddingLeftPx, 0);
  EXPECT_EQ(child.VerticalAlign, vaBaseline);
  EXPECT_EQ(child.Decoration, 0);
  EXPECT_EQ(child.InheritedDecoration, tdUnderline);
  // The root inherits from the initial values.
  const TChain root{U""};
  EXPECT_EQ(root.Last().Color, Rgb(1, 2, 3));
  EXPECT_EQ(root.Last().FontFamily, nullptr);
}

TEST(ComputedStyle, FontSizesCountTheParentTheRootOrTheInitialSize) {
  struct {
    const char32_t* Style;
    double Px;
  } cases[] = {
      {U"", 12},
      {U"font-size: 1.5em", 18},
      {U"font-size: 150%", 18},
      {U"font-size: 2rem", 20},  // the root's 10px
      {U"font-size: 2ex", 12},
      {U"font-size: 3ch", 18},
      {U"font-size: large", 19.2},  // the initial 16px
      {U"font-size: smaller", 10},
      {U"font-size: 12pt", 16},
      {U"font-size: initial", 16},
      {U"font-size: 1e6px", MaxFontPx},
      {U"font-size: 0", MinFontPx},
  };
  for (const auto& test : cases) {
    const TChain chain{U"font-size: 62.5%", U"font-size: 1.2em", test.Style};
    EXPECT_DOUBLE_EQ(chain.Last().FontPx, test.Px) << EncodeUtf8(test.Style);
    EXPECT_DOUBLE_EQ(chain.Last().RootFontPx, 10);
  }
  // rem on the root itself counts the initial size.
  EXPECT_DOUBLE_EQ(TChain{U"font-size: 2rem"}.Last().FontPx, 32);
}

TEST(ComputedStyle, IndentsCountTheElementsOwnFont) {
  struct {
    const char32_t* Style;
    double MarginPx;
    double PaddingPx;
  } cases[] = {
      {U"font-size: 20px; margin-left: 2em; padding-left: 3ex", 40, 30},
      {U"margin-left: 1rem; padding-left: 1ch", 10, 6},  // root 10px, own 12px
      {U"margin-left: -1e6px", -MaxIndentPx, 0},
      {U"margin-left: inherit; padding-left: 2px", 7, 2},
  };
  for (const auto& test : cases) {
    const TChain chain{U"font-size: 10px", U"font-size: 12px; margin-left: 7px", test.Style};
    EXPECT_DOUBLE_EQ(chain.Last().MarginLeftPx, test.MarginPx) << EncodeUtf8(test.Style);
    EXPECT_DOUBLE_EQ(chain.Last().PaddingLeftPx, test.PaddingPx) << EncodeUtf8(test.Style);
  }
}

TEST(ComputedStyle, BolderAndLighterStepFromTheParent) {
  struct {
    const char32_t* Parent;
    const char32_t* Child;
    int Weight;
  } cases[] = {
      {U"", U"font-weight: bolder", 700},
      {U"font-weight: 700", U"font-weight: bolder", 900},
      {U"font-weight: 950", U"font-weight: bolder", 950},
      {U"font-weight: 300", U"font-weight: bolder", 400},
      {U"font-weight: 700", U"font-weight: lighter", 400},
      {U"", U"font-weight: lighter", 100},
      {U"font-weight: 800", U"font-weight: lighter", 700},
      {U"font-weight: 50", U"font-weight: lighter", 50},
  };
  for (const auto& test : cases)
    EXPECT_EQ((TChain{test.Parent, test.Child}.Last().FontWeight), test.Weight)
        << EncodeUtf8(test.Child);
}

TEST(ComputedStyle, WideKeywords) {
  const TChain chain{
      U"color: red; display: block; background: blue; margin-left: 5px",
      U"color: initial; display: inherit; background-color: inherit; margin-left: unset"};
  EXPECT_EQ(chain.Last().Color, Rgb(1, 2, 3));
  EXPECT_EQ(chain.Last().Display, dpBlock);
  EXPECT_TRUE(chain.Last().HasBackground);
  EXPECT_EQ(chain.Last().Background, Document(clBlue));
  EXPECT_EQ(chain.Last().MarginLeftPx, 0);
  EXPECT_EQ((TChain{U"color: red", U"color: unset"}.Last().Color), Document(clRed));
}

TEST(ComputedStyle, ColoursBlendOverWhatIsBehindThem) {
  struct {
    const char32_t* Parent;
    const char32_t* Child;
    TColor Color;
    bool HasBackground;
    TColor Background;
  } cases[] = {
      {U"", U"color: rgba(0, 0, 0, 0.5)", Document(Rgb(127, 127, 127)), false, 0},
      {U"background: rgb(0, 0, 255)", U"color: rgba(255, 255, 255, 0.5)",
       Document(Rgb(128, 128, 255)), false, 0},
      {U"", U"background-color: rgba(255, 0, 0, 0.5); color: rgba(0, 0, 0, 0.5)",
       Document(Rgb(127, 63, 63)), true, Document(Rgb(255, 127, 127))},
      {U"background: blue", U"background: transparent", Rgb(1, 2, 3), false, 0},
      {U"color: red", U"background-color: currentColor", Document(clRed), true, Document(clRed)},
      {U"color: red", U"color: green; background-color: currentColor", Document(clGreen), true,
       Document(clGreen)},
      {U"color: red", U"color: currentColor", Document(clRed), false, 0},
      {U"", U"color: transparent", Document(clWhite), false, 0},
      {U"", U"color: ButtonText; background: Canvas", clBtnText, true, clWindow},
  };
  for (const auto& test : cases) {
    const TChain chain{test.Parent, test.Child};
    const TComputedStyle& child = chain.Last();
    EXPECT_EQ(child.Color, test.Color) << EncodeUtf8(test.Child);
    EXPECT_EQ(child.HasBackground, test.HasBackground) << EncodeUtf8(test.Child);
    if (test.HasBackground) {
      EXPECT_EQ(child.Background, test.Background) << EncodeUtf8(test.Child);
    }
  }
  // A system colour behind a translucent one blends as white.
  TComputedStyle initial = Initial();
  initial.Backdrop = clWindow;
  EXPECT_EQ((TChain{{U"color: rgba(0, 0, 0, 0.5)"}, initial}.Last().Color),
            Document(Rgb(127, 127, 127)));
}

TEST(ComputedStyle, DecorationsGoOnUnderTheTextInside) {
  const TChain chain{U"text-decoration: underline", U"text-decoration: line-through",
                     U"text-decoration: none", U""};
  EXPECT_EQ(chain[2].Decoration, 0);
  EXPECT_EQ(chain[2].InheritedDecoration, tdUnderline | tdLineThrough);
  EXPECT_EQ(chain[3].InheritedDecoration, tdUnderline | tdLineThrough);
  EXPECT_EQ((TChain{U"text-decoration: underline", U"text-decoration: inherit"}.Last().Decoration),
            tdUnderline);
}

TEST(ComputedStyle, FromSheetToValues) {
  // The whole way: a sheet, an element, its declared style and its values.
  const TStyleSheet sheet = ParseStyleSheet(
      U"p { font-size: 2em; color: navy } .note { font-style: italic } #x { color: maroon "
      U"!important }");
  TStyleCascade cascade;
  cascade.AddSheet(sheet);
  TTestElement body("body");
  TTestElement p("p", &body);
  p.ClassText = U"note";
  p.IdText = U"x";
  const TDeclarationList inlineStyle = ParseDeclarations(U"color: olive; font-weight: 600");
  TDeclaredStyle declared;
  cascade.Cascade(p, &inlineStyle, declared);
  const TComputedStyle initial = Initial();
  const TComputedStyle values = ComputeStyle(declared, &initial, initial);
  EXPECT_EQ(values.FontPx, 32);
  EXPECT_EQ(values.Color, Document(clMaroon));
  EXPECT_TRUE(values.Italic);
  EXPECT_EQ(values.FontWeight, 600);
}
