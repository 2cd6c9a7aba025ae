// Elements the tokenizer reads whole, self-closed tags, processing instructions and tabs.
#include <gtest/gtest.h>

#include <string>

#include "TokenStream.h"

namespace {

// The symbol of each token with its text, as "sym:text" (text only when there is some).
std::vector<std::string> Shown(std::string_view html) {
  std::vector<std::string> shown;
  for (const TToken& token : Tokens(html)) {
    std::string entry(SymbolName(token.Sym));
    if (token.Value) entry += std::to_string(token.Value);
    if (!token.Text.empty()) entry += ":" + std::string(token.Text.begin(), token.Text.end());
    shown.push_back(entry);
  }
  return shown;
}

using TShown = std::vector<std::string>;

}  // namespace

TEST(TokenizerElements, SelfClosedTagsAreFollowedByTheirEnd) {
  EXPECT_EQ(Shown("<p/><b />x<h2/><br/><li/>"),
            (TShown{"symPara", "symParaEnd", "symBold", "symBoldEnd", "symText:x", "symHeading2",
                    "symHeadingEnd2", "symBr", "symLi"}));
  // A slash at the end of an unquoted value is part of the value, as in a URL.
  TTokenizer tokens("<a href=http://x/>link</a><img src=\"p.gif\"/>");
  tokens.Start();
  EXPECT_FALSE(tokens.SelfClosing);
  EXPECT_EQ(tokens.AttributeText(symHref), U"http://x/");
  tokens.NextSymbol();
  EXPECT_EQ(tokens.TokenText, U"link");
  tokens.NextSymbol();
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symImg);
  EXPECT_TRUE(tokens.SelfClosing);
  EXPECT_EQ(tokens.AttributeText(symSrc), U"p.gif");
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symEof);
}

TEST(TokenizerElements, ProcessingInstructionsAreSkipped) {
  EXPECT_EQ(TextOf("<?xml version=\"1.0\"?>\na<?php echo 1 ?>b"), U" ab");
  EXPECT_EQ(TextOf("a<?never closed"), U"a");  // quietly, unlike a comment
}

TEST(TokenizerElements, ContentNeverShownIsPassedOver) {
  EXPECT_EQ(Shown("<style type=text/css>p<b>{}</style>a<math><mi>x</mi></MATH >b"),
            (TShown{"symStyle", "symText:a", "symMath", "symText:b"}));
  // Templates nest; a self-closed one holds nothing; one left open ends the page.
  EXPECT_EQ(TextOf("<template><template>x</template>y</template>z"), U"z");
  EXPECT_EQ(Shown("<style/>a"), (TShown{"symStyle", "symStyleEnd", "symText:a"}));
  EXPECT_EQ(TextOf("a<style>b</styles>c"), U"a");
  // The attributes are read all the same.
  TTokenizer tokens("<template id=t>x</template>");
  tokens.Start();
  EXPECT_EQ(tokens.AttributeText(symId), U"t");
}

TEST(TokenizerElements, InlineSvgComesWholeWithItsNestedSvg) {
  const std::string svg =
      "<SVG width=\"1\" title='a>b'><svg/><svg><g/></svg ><text>&lt;</text></Svg>";
  const auto tokens = Tokens("a" + svg + "b<svg/>");
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[1].Sym, symSvg);
  EXPECT_EQ(tokens[1].Text,
            U"<svg width=\"1\" title='a>b'><svg/><svg><g/></svg ><text>&lt;</text></Svg>");
  EXPECT_EQ(tokens[2].Text, U"b");
  EXPECT_EQ(tokens[3].Text, U"<svg/>");
}

TEST(TokenizerElements, SvgTooLongToKeepComesEmpty) {
  const std::string body(TTokenizer::MaxGatheredMarkup, 'x');
  const auto tokens = Tokens("<svg>" + body + "</svg>after");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].Sym, symSvg);
  EXPECT_TRUE(tokens[0].Text.empty());
  EXPECT_EQ(tokens[1].Text, U"after");
}

TEST(TokenizerElements, TabsAreMarkedAndTextareaTextKeepsThem) {
  {
    TTokenizer tokens("\ta\t<");
    tokens.NextChar();
    EXPECT_EQ(tokens.CurCh, U' ');
    EXPECT_TRUE(tokens.CurChIsTab);
    tokens.NextChar();
    EXPECT_FALSE(tokens.CurChIsTab);
  }
  TTokenizer area("a\tb");
  area.NextChar();
  area.NextTextareaSymbol();
  EXPECT_EQ(area.TokenText, U"a\tb");
}
