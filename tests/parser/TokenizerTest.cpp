#include <gtest/gtest.h>

#include <string>

#include "TokenStream.h"
#include "html/support/Errors.h"

namespace {

std::vector<TSymbol> Symbols(std::string_view html) {
  std::vector<TSymbol> symbols;
  for (const TToken& token : Tokens(html)) symbols.push_back(token.Sym);
  return symbols;
}

}  // namespace

TEST(Tokenizer, LineEndsAndTabs) {
  for (const char* lineEnd : {"\r\n", "\n\r", "\n", "\r"})
    EXPECT_EQ(TextOf(std::string("a") + lineEnd + "b", true), U"a\rb") << lineEnd;
  EXPECT_EQ(TextOf("a\n\n\r\rb", true), U"a\r\r\rb");  // LF, then LF CR, then CR
  EXPECT_EQ(TextOf("a\tb", true), U"a b");
}

TEST(Tokenizer, WhiteSpaceCollapsesOutsidePreformatted) {
  EXPECT_EQ(TextOf("a  <!-- note -->  b"), U"a b");
  EXPECT_EQ(TextOf("a \r\n\t b"), U"a b");
  EXPECT_EQ(TextOf("a  b", true), U"a  b");
}

TEST(Tokenizer, Comments) {
  EXPECT_EQ(TextOf("a<!-- x -- y -->b"), U"ab");        // "--" then text does not end it
  EXPECT_EQ(TextOf("a<!-- x - > y -->b"), U"ab");
  EXPECT_EQ(TextOf("a<!------>b"), U"ab");              // six hyphens: one comment
  EXPECT_EQ(TextOf("a<!---->b"), U"ab");
  EXPECT_EQ(TextOf("a<!-- x --   \r\n >b"), U"ab");
  EXPECT_EQ(TextOf("a<!-- one --><!-- two -->b"), U"ab");
}

TEST(Tokenizer, UnclosedCommentOrDeclarationIsAParseError) {
  for (const char* html : {"a <!-- never closed", "a <!-- x --", "<!DOCTYPE html", "<!"}) {
    try {
      Tokens(html);
      ADD_FAILURE() << html;
    } catch (const EParseError& error) {
      EXPECT_STREQ(error.what(), "Open Comment at End of HTML File");
    }
  }
}

TEST(Tokenizer, DeclarationsAreSkipped) {
  EXPECT_EQ(Symbols("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\"><html>"),
            std::vector<TSymbol>{symHtml});
}

TEST(Tokenizer, AngleBracketsThatBeginNoTag) {
  EXPECT_EQ(Tokens("a < b"),
            (std::vector<TToken>{{symText, U"a ", 0}, {symText, U"<", 0}, {symText, U" b", 0}}));
  EXPECT_EQ(TextOf("a > b"), U"a  b");  // the ">" itself is dropped
  EXPECT_EQ(Symbols("a > b")[1], symOtherChar);
  EXPECT_EQ(Symbols("a<"), (std::vector<TSymbol>{symText, symText}));
}

TEST(Tokenizer, TagsAndHeadingLevels) {
  auto tokens = Tokens("<H2 ALIGN=center>x</h2><H7>y<hr>");
  ASSERT_EQ(tokens.size(), 6u);
  EXPECT_EQ(tokens[0], (TToken{symHeading, U"", 2}));
  EXPECT_EQ(tokens[2], (TToken{symHeadingEnd, U"", 2}));
  // H7 is the tag H without a level; the rest of the tag up to ">" is skipped.
  EXPECT_EQ(tokens[3], (TToken{symHeading, U"", 0}));
  EXPECT_EQ(tokens[4].Text, U"y");
  EXPECT_EQ(tokens[5].Sym, symHr);
  EXPECT_EQ(Symbols("</li></br></img><blink></>"),
            (std::vector<TSymbol>{symUnknownTag, symUnknownTag, symUnknownTag, symUnknownTag,
                                  symUnknownTag}));
}

TEST(Tokenizer, TagAtEndOfInput) {
  EXPECT_EQ(Symbols("text<b"), (std::vector<TSymbol>{symText, symBold}));
  EXPECT_EQ(Symbols("<a href=\"x"), std::vector<TSymbol>{symAnchor});
  EXPECT_EQ(Symbols("<img src=x alt"), std::vector<TSymbol>{symImg});
}

TEST(Tokenizer, AVeryLongTagNameIsCutNotOverflowed) {
  std::string html = "<" + std::string(10000, 'B') + " x=1>after";
  EXPECT_EQ(Tokens(html), (std::vector<TToken>{{symUnknownTag, U"", 0}, {symText, U"after", 0}}));
}

TEST(Tokenizer, Entities) {
  EXPECT_EQ(TextOf("&amp;"), U"&");
  EXPECT_EQ(TextOf("&copy no"), U"\u00A9 no");
  EXPECT_EQ(TextOf("&#65;"), U"A");
  EXPECT_EQ(TextOf("&#9;"), U" ");
  EXPECT_EQ(TextOf("&#13;"), U"&#13;");
  EXPECT_EQ(TextOf("&#300;"), U"\u012C");
  EXPECT_EQ(TextOf("&#x41;&#X263a;"), U"A\u263A");
  EXPECT_EQ(TextOf("&#128512;"), U"\U0001F600");
  EXPECT_EQ(TextOf("&#xD800;"), U"&#xD800;");
  EXPECT_EQ(TextOf("&#1114112;"), U"&#111411" U"2;");  // seven digits: the seventh is text
  EXPECT_EQ(TextOf("&#;"), U"&#;");
  EXPECT_EQ(TextOf("&foo;"), U"&foo;");
  EXPECT_EQ(TextOf("&AMP;"), U"&");  // the capitals are a name of their own
  EXPECT_EQ(TextOf("&Amp;"), U"&Amp;");
  EXPECT_EQ(TextOf("& b"), U"& b");
  EXPECT_EQ(TextOf("&mdash;&hellip;"), U"\u2014\u2026");
  EXPECT_EQ(TextOf("&abcdefghij;"), U"&abcdefghij;");  // eight letters on: stays as written
  EXPECT_EQ(TextOf("a&#32;b"), U"a b");  // 32 is the first code a reference below 128 gives
  EXPECT_EQ(TextOf("&#31;"), U"&#31;");
}

TEST(Tokenizer, NamedEntities) {
  EXPECT_EQ(TextOf("&lsqb;&apos;&rarr;&check;"), U"['\u2192\u2713");
  EXPECT_EQ(TextOf("&CounterClockwiseContourIntegral;x"), U"\u2233x");
  EXPECT_EQ(TextOf("&NotEqualTilde;"), U"\u2242\u0338");
  // What the longest name leaves over is text; a name that needs ";" stays as written
  // without one.
  EXPECT_EQ(TextOf("&notit; &copy2 &mdash x"), U"\u00ACit; \u00A92 &mdash x");
  // Past the longest name, letters are text.
  const std::string longName(40, 'a');
  EXPECT_EQ(TextOf("&" + longName + ";"), U"&" + std::u32string(40, U'a') + U";");
}

TEST(Tokenizer, TextRunsComeInPiecesOfAHundred) {
  auto tokens = Tokens(std::string(250, 'x'));
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].Text.size(), 100u);
  EXPECT_EQ(tokens[1].Text.size(), 100u);
  EXPECT_EQ(tokens[2].Text.size(), 50u);
}

TEST(Tokenizer, HugeTextRunAndControlCharacters) {
  std::string big(10 * 1024 * 1024, 'a');
  std::size_t total = 0;
  for (const TToken& token : Tokens(big)) total += token.Text.size();
  EXPECT_EQ(total, big.size());

  // NUL and other control characters are single symbols the builder ignores.
  EXPECT_EQ(Tokens(std::string_view("a\0b", 3)),
            (std::vector<TToken>{{symText, U"a", 0}, {symOtherChar, std::u32string(1, U'\0'), 0},
                                 {symText, U"b", 0}}));
  EXPECT_EQ(TextOf("a\x1A" "b<!--"), U"a");  // byte 26 ends the document
}

TEST(Tokenizer, InvalidUtf8InTheMiddleFallsBackForTheWholeFile) {
  EXPECT_EQ(TextOf("\xC3\xA9t\xE9"), U"\u00C3\u00A9t\u00E9");
  EXPECT_EQ(TextOf("\xC3\xA9t\xC3\xA9"), U"\u00E9t\u00E9");
}

TEST(Tokenizer, OneParseAtATime) {
  TTokenizer first("a");
  EXPECT_THROW(TTokenizer second("b"), EParseError);
  first.Start();
  EXPECT_EQ(first.TokenText, U"a");  // the refused parse left the running one alone
}

TEST(Tokenizer, AfterParagraphFlagClearedByContent) {
  TTokenizer tokens("<b><br>");
  tokens.AfterParagraph = true;
  tokens.Start();
  EXPECT_EQ(tokens.CurSym, symBold);
  EXPECT_TRUE(tokens.AfterParagraph);
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symBr);
  EXPECT_FALSE(tokens.AfterParagraph);
}
