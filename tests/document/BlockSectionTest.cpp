#include "DocumentFixture.h"

#include "html/document/BlockSpaces.h"
#include "html/document/HorzLine.h"
#include "html/document/ListItems.h"

namespace {

class BlockSectionTest : public DocumentTest {
 protected:
  template <typename Kind, typename... Args>
  Kind& Add(Args&&... args) {
    auto section = std::make_unique<Kind>(std::forward<Args>(args)...);
    Kind& result = *section;
    Document.AddSection(std::move(section));
    return result;
  }
  static TAttributeList Attributes(std::initializer_list<std::pair<TSymbol, std::u32string>> items) {
    TAttributeList list;
    for (const auto& [symbol, text] : items) {
      std::int32_t number = 0;
      for (char32_t ch : text) {
        if (ch < U'0' || ch > U'9') break;
        number = number * 10 + std::int32_t(ch - U'0');
      }
      list.Emplace(symbol, number, text);
    }
    return list;
  }
};

}  // namespace

TEST_F(BlockSectionTest, SpacesFollowTheDefaultFontSize) {
  TParagraphSpace& paragraph = Add<TParagraphSpace>();
  THeadingSpace& h1 = Add<THeadingSpace>(1);
  THeadingSpace& h3 = Add<THeadingSpace>(3);
  THeadingSpace& h6 = Add<THeadingSpace>(6);
  THeadingSpace& h0 = Add<THeadingSpace>(0);
  THeadingSpace& h9 = Add<THeadingSpace>(9);
  THorzLine& rule = Add<THorzLine>(TAttributeList());
  EXPECT_EQ(paragraph.FlowHeight, 14);
  EXPECT_EQ(h1.FlowHeight, 16);
  EXPECT_EQ(h3.FlowHeight, 10);
  EXPECT_EQ(h6.FlowHeight, 4);
  EXPECT_EQ(h0.FlowHeight, 8);
  EXPECT_EQ(h9.FlowHeight, 8);
  EXPECT_EQ(rule.FlowHeight, 20);
  EXPECT_EQ(Arrange(300), 14 + 16 + 10 + 4 + 8 + 8 + 20);
  EXPECT_EQ(rule.Top, 60);

  Document.SetDefaults(Document.FontName, Document.PreFontName, 24, clBlack, clBlue, clWhite);
  EXPECT_EQ(paragraph.FlowHeight, 28);
  EXPECT_EQ(h1.FlowHeight, 32);
  EXPECT_EQ(h6.FlowHeight, 8);
  EXPECT_EQ(rule.FlowHeight, 40);
  Document.SetDefaults(Document.FontName, Document.PreFontName, 7, clBlack, clBlue, clWhite);
  EXPECT_EQ(paragraph.FlowHeight, 8);  // 8.17
  EXPECT_EQ(h3.FlowHeight, 6);         // 5.83
}

TEST_F(BlockSectionTest, RuleAttributes) {
  const THorzLine plain(TAttributeList{});
  EXPECT_EQ(plain.Thickness, 2);
  EXPECT_EQ(plain.RuleWidth, -1);
  EXPECT_EQ(plain.Align, raCentre);
  EXPECT_FALSE(plain.HasColor);

  const THorzLine thin(Attributes({{symSize, U"1"}, {symAlign, U"LEFT"}, {symNoshade, U""}}));
  EXPECT_EQ(thin.Thickness, 1);
  EXPECT_EQ(thin.Align, raLeft);
  EXPECT_TRUE(thin.NoShade);

  const THorzLine ignored(Attributes({{symSize, U"30"}, {symAlign, U"rightwards"},
                                      {symColor, U"nonsense"}, {symWidth, U"0"}}));
  EXPECT_EQ(ignored.Thickness, 2);
  EXPECT_EQ(ignored.Align, raCentre);
  EXPECT_FALSE(ignored.HasColor);
  EXPECT_EQ(ignored.RuleWidth, -1);

  const THorzLine half(Attributes({{symWidth, U"50%"}, {symAlign, U"Right"}, {symColor, U"red"}}));
  EXPECT_TRUE(half.Percent);
  EXPECT_EQ(half.RuleWidth, 50);
  EXPECT_EQ(half.Align, raRight);
  EXPECT_TRUE(half.HasColor);
  EXPECT_EQ(half.RuleColor & 0xFFFFFF, clRed);

  const THorzLine over(Attributes({{symWidth, U"150%"}}));
  EXPECT_TRUE(over.Percent);
  EXPECT_EQ(over.RuleWidth, -1);

  const THorzLine huge(Attributes({{symWidth, U"2000000000"}}));
  EXPECT_FALSE(huge.Percent);
  EXPECT_GT(huge.RuleWidth, 0);

  THorzLine& sized = Add<THorzLine>(Attributes({{symSize, U"1"}}));
  EXPECT_EQ(sized.FlowHeight, 19);
}

TEST_F(BlockSectionTest, OrderedLabels) {
  EXPECT_EQ(ListLabel(1, U'A'), U"A.");
  EXPECT_EQ(ListLabel(26, U'A'), U"Z.");
  EXPECT_EQ(ListLabel(27, U'A'), U"Z.");
  EXPECT_EQ(ListLabel(3, U'a'), U"c.");
  EXPECT_EQ(ListLabel(4, U'I'), U"IV.");
  EXPECT_EQ(ListLabel(21, U'i'), U"xx.");
  EXPECT_EQ(ListLabel(18, U'i'), U"xviii.");
  EXPECT_EQ(ListLabel(42, U'1'), U"42.");
  EXPECT_EQ(ListLabel(7, U'x'), U"7.");
  EXPECT_EQ(ListLabel(0, U'A'), U"0.");
  EXPECT_EQ(ListLabel(-3, U'i'), U"-3.");
  EXPECT_EQ(ListLabel(123456, U'1'), U"123456.");
  EXPECT_EQ(ListLabel(2147483647, U'1'), U"2147483");  // at most 7 characters
}

TEST_F(BlockSectionTest, ListItemsKnowTheirKind) {
  TUListItem& bullet = Add<TUListItem>(Document.RunFonts, 1, nullptr, BaseFont(), fsBold);
  TOListItem& numbered =
      Add<TOListItem>(Document.RunFonts, 2, nullptr, BaseFont(), U'a', 4, fsBold);
  TDListItem& term = Add<TDListItem>(Document.RunFonts, 0, nullptr, BaseFont());
  EXPECT_EQ(bullet.ListKind, lkUnordered);
  EXPECT_EQ(numbered.ListKind, lkOrdered);
  EXPECT_EQ(term.ListKind, lkDefinition);
  EXPECT_EQ(numbered.ListNumber, 4);
  EXPECT_EQ(numbered.NumberStyle, U'a');
  EXPECT_EQ(numbered.Indent, 70);
  EXPECT_EQ(bullet.Justify, jLeft);
  EXPECT_EQ(bullet.MarkerFont, nullptr);  // only numbers are drawn in a font
  ASSERT_NE(numbered.MarkerFont, nullptr);
  EXPECT_EQ(numbered.MarkerFont->Style(), fsBold);
  EXPECT_STREQ(numbered.KindName(), "TOListItem");
  EXPECT_STREQ(term.KindName(), "TDListItem");
}
