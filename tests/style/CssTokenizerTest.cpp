#include <gtest/gtest.h>

#include "StyleTestSupport.h"

using Texts = std::vector<std::string>;

TEST(CssTokenizer, CommentsAndWhitespace) {
  EXPECT_EQ(TokenTexts(U"a/* x */b /**/ c"), (Texts{"ident:a", "ident:b", "ws", "ws", "ident:c"}));
  EXPECT_EQ(TokenTexts(U"a /* never closed"), (Texts{"ident:a", "ws"}));
  EXPECT_EQ(TokenTexts(U"a\r\n\f\tb"), (Texts{"ident:a", "ws", "ident:b"}));
  EXPECT_EQ(TokenTexts(U"<!-- a -->"), (Texts{"cdo", "ws", "ident:a", "ws", "cdc"}));
}

TEST(CssTokenizer, Strings) {
  EXPECT_EQ(TokenTexts(U"'a\"b' \"c'd\""), (Texts{"string:a\"b", "ws", "string:c'd"}));
  // An escaped line end continues the string; an escape at the end of input is dropped.
  EXPECT_EQ(TokenTexts(U"'a\\\nb'"), (Texts{"string:ab"}));
  EXPECT_EQ(TokenTexts(U"'ab\\"), (Texts{"string:ab"}));
  EXPECT_EQ(TokenTexts(U"'unterminated"), (Texts{"string:unterminated"}));
  // A bare line end makes a bad string, and reading goes on after it.
  EXPECT_EQ(TokenTexts(U"'bad\ncolor"), (Texts{"bad-string", "ws", "ident:color"}));
}

TEST(CssTokenizer, Escapes) {
  EXPECT_EQ(TokenTexts(U"\\41 B"), (Texts{"ident:AB"}));     // one space after a hex escape ends it
  EXPECT_EQ(TokenTexts(U"\\000041x"), (Texts{"ident:Ax"}));  // six digits at most
  EXPECT_EQ(TokenTexts(U"a\\:b"), (Texts{"ident:a:b"}));
  // 0, surrogates and values beyond Unicode become U+FFFD, as does NUL in the input.
  // (The space that ends a hex escape belongs to it, so the three make one identifier.)
  EXPECT_EQ(TokenTexts(U"\\0 \\D800 \\110000"), (Texts{"ident:\uFFFD\uFFFD\uFFFD"}));
  EXPECT_EQ(TokenTexts(std::u32string(U"a") + char32_t(0) + U"b"), (Texts{"ident:a\uFFFDb"}));
  EXPECT_EQ(TokenTexts(U"x\\"), (Texts{"ident:x\uFFFD"}));
  // A backslash before a line end escapes nothing.
  EXPECT_EQ(TokenTexts(U"\\\n"), (Texts{"delim:\\", "ws"}));
}

TEST(CssTokenizer, NumbersAndDimensions) {
  EXPECT_EQ(TokenTexts(U"12 -3.5 +.5 1e3 50% 12px 1.5EM 10e-1x"),
            (Texts{"num:12", "ws", "num:-3.5", "ws", "num:0.5", "ws", "num:1000", "ws", "pct:50",
                   "ws", "dim:12px", "ws", "dim:1.5EM", "ws", "dim:1x"}));
  // "1e" is the number 1 with the unit "e"; "1.x" is 1 then ".x" delimiter and ident.
  EXPECT_EQ(TokenTexts(U"1e 1.x"), (Texts{"dim:1e", "ws", "num:1", "delim:.", "ident:x"}));
  // Out of range stays finite: huge is huge, tiny is 0; long digit runs keep their value.
  EXPECT_EQ(TokensOf(U"1e999999999")[0].Number, 1e300);
  EXPECT_EQ(TokensOf(U"1e-999999999")[0].Number, 0);
  EXPECT_DOUBLE_EQ(TokensOf(U"0.000000000000000000000000000000000000000000000012345")[0].Number,
                   1.2345e-47);
  EXPECT_DOUBLE_EQ(TokensOf(std::u32string(400, U'9'))[0].Number, 1e300);
  EXPECT_TRUE(TokensOf(U"12")[0].IsInteger);
  EXPECT_FALSE(TokensOf(U"12.0")[0].IsInteger);
}

TEST(CssTokenizer, IdentsHashesAndAtKeywords) {
  EXPECT_EQ(TokenTexts(U"-a --b -1 #x1 #1x @media @1 -->"),
            (Texts{"ident:-a", "ws", "ident:--b", "ws", "num:-1", "ws", "hash:x1", "ws", "hash:1x",
                   "ws", "at:media", "ws", "delim:@", "num:1", "ws", "cdc"}));
  EXPECT_TRUE(TokensOf(U"#x1")[0].IsIdHash);
  EXPECT_FALSE(TokensOf(U"#1x")[0].IsIdHash);
  EXPECT_EQ(TokenTexts(U"# a"), (Texts{"delim:#", "ws", "ident:a"}));
}

TEST(CssTokenizer, UrlsAndFunctions) {
  EXPECT_EQ(TokenTexts(U"url(a.png) url( b c ) URL('d') rgb(1)"),
            (Texts{"url:a.png", "ws", "bad-url", "ws", "function:URL", "string:d", ")", "ws",
                   "function:rgb", "num:1", ")"}));
  EXPECT_EQ(TokenTexts(U"url( x.css )"), (Texts{"url:x.css"}));
  EXPECT_EQ(TokenTexts(U"url(a\\)b)"), (Texts{"url:a)b"}));
  // A bad url swallows up to its ")" and then reading goes on.
  EXPECT_EQ(TokenTexts(U"url(a\"b) c"), (Texts{"bad-url", "ws", "ident:c"}));
  EXPECT_EQ(TokenTexts(U"url(never closed"), (Texts{"bad-url"}));
  EXPECT_EQ(TokenTexts(U"url(open"), (Texts{"url:open"}));
}

TEST(CssTokenizer, EveryInputEnds) {
  // Each character is consumed: a sheet of nothing but openers, quotes and escapes ends.
  const std::u32string hostile = std::u32string(10000, U'(') + std::u32string(5000, U'\\') +
                                 std::u32string(5000, U'"') + U"/*";
  std::size_t count = TokensOf(hostile).size();
  EXPECT_GT(count, 10000u);
  EXPECT_LT(count, hostile.size());
}
