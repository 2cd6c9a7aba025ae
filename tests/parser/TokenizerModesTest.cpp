// Attributes, include directives and the raw TEXTAREA and SCRIPT modes.

#include <gtest/gtest.h>

#include <string>

#include "TokenStream.h"
#include "html/support/Errors.h"

namespace {

struct TScannedAttribute {
  TSymbol Symbol;
  std::int32_t IntValue;
  std::u32string StrValue;
  bool operator==(const TScannedAttribute&) const = default;
};

// The attribute list after the first symbol of the document.
std::vector<TScannedAttribute> AttributesOf(std::string_view html) {
  TTokenizer tokens(html);
  tokens.Start();
  std::vector<TScannedAttribute> result;
  for (const auto& attribute : tokens.Attributes)
    result.push_back({attribute->Symbol, attribute->IntValue, attribute->StrValue});
  return result;
}

using Attrs = std::vector<TScannedAttribute>;

}  // namespace

TEST(TokenizerAttributes, ValueForms) {
  EXPECT_EQ(AttributesOf("<p align=\"  a  b \r\n c \">"), (Attrs{{symAlign, 0, U"a  b  c"}}));
  EXPECT_EQ(AttributesOf("<p align='x\"y'>"), (Attrs{{symAlign, 0, U"x\"y"}}));
  EXPECT_EQ(AttributesOf("<a href=a b>"), (Attrs{{symHref, 0, U"a"}, {symUnknownAttr, 0, U""}}));
  EXPECT_EQ(AttributesOf("<td width=50 %>"), (Attrs{{symWidth, 50, U"50%"}}));
  EXPECT_EQ(AttributesOf("<td width=\"50%\">"), (Attrs{{symWidth, 50, U"50%"}}));
  EXPECT_EQ(AttributesOf("<font size=+2>"), (Attrs{{symSize, 2, U"+2"}}));
  EXPECT_EQ(AttributesOf("<font size=-1>"), (Attrs{{symSize, -1, U"-1"}}));
  EXPECT_EQ(AttributesOf("<td width=3em>"), (Attrs{{symWidth, 0, U"3em"}}));
  EXPECT_EQ(AttributesOf("<table border>"), (Attrs{{symBorder, 1, U""}}));
  EXPECT_EQ(AttributesOf("<table border=thick>"), (Attrs{{symBorder, 1, U"thick"}}));
  EXPECT_EQ(AttributesOf("<font color=#FF0000>"), (Attrs{{symColor, 0, U"#FF0000"}}));
  EXPECT_EQ(AttributesOf("<td width=99999999999>"), (Attrs{{symWidth, 0, U"99999999999"}}));
  EXPECT_EQ(AttributesOf("<a href=\"a&amp;b&lt;\">"), (Attrs{{symHref, 0, U"a&b<"}}));
  // In a value a legacy name without ";" before "=", a letter or a digit is part of a query.
  EXPECT_EQ(AttributesOf("<a href=\"?a=1&copy=2&copyb&copy;&copy.\">"),
            (Attrs{{symHref, 0, U"?a=1&copy=2&copyb\u00A9\u00A9."}}));
}

TEST(TokenizerAttributes, NamesAndOrder) {
  EXPECT_EQ(AttributesOf("<meta http-equiv=refresh content=\"5\">"),
            (Attrs{{symHttpEquiv, 0, U"refresh"}, {symContent, 5, U"5"}}));
  EXPECT_EQ(AttributesOf("<p ALIGN=left Align=right>"),
            (Attrs{{symAlign, 0, U"left"}, {symAlign, 0, U"right"}}));
  // Scanning stops at the first thing that is no attribute; the rest of the tag is skipped.
  EXPECT_EQ(AttributesOf("<a href=x \"junk\" name=y>"), (Attrs{{symHref, 0, U"x"}}));
}

TEST(TokenizerAttributes, HeadingKeepsItsAttributes) {
  TTokenizer tokens("<h2 align=center>");
  tokens.Start();
  EXPECT_EQ(tokens.CurSym, symHeading);
  EXPECT_EQ(tokens.TokenValue, 2);
  ASSERT_EQ(tokens.Attributes.Count(), 1u);
  EXPECT_EQ(tokens.AttributeText(symAlign), U"center");
}

TEST(TokenizerAttributes, EveryStartTagHasItsOwnAndEndTagsKeepThem) {
  TTokenizer tokens("<p align=right></p><b id=x><span><br>");
  tokens.Start();
  EXPECT_TRUE(tokens.StartTag);
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symParaEnd);
  EXPECT_FALSE(tokens.StartTag);
  EXPECT_EQ(tokens.AttributeText(symAlign), U"right");
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symBold);
  EXPECT_EQ(tokens.AttributeText(symAlign), U"");
  EXPECT_EQ(tokens.AttributeText(symId), U"x");
  tokens.NextSymbol();
  EXPECT_EQ(tokens.CurSym, symUnknownTag);
  EXPECT_TRUE(tokens.StartTag);
  EXPECT_EQ(tokens.Attributes.Count(), 0u);
}

TEST(TokenizerAttributes, ValueThatNeverClosesEndsAtEndOfInput) {
  std::string html = "<a href=\"" + std::string(100000, 'z');
  auto attributes = AttributesOf(html);
  ASSERT_EQ(attributes.size(), 1u);
  EXPECT_EQ(attributes[0].StrValue.size(), 100000u);
}

namespace {

struct TIncludeCall {
  std::u32string Command;
  TStringList Params;
};

// Tokenizes with a handler that records its calls and answers with the given text.
std::u32string TextWithIncludes(std::string_view html, const std::string& answer,
                                std::vector<TIncludeCall>* calls = nullptr) {
  TTokenizer tokens(html);
  tokens.IncludeHandler = [&](TriruRedu*, const std::u32string& command, TStringList params,
                              const char*& buffer, std::size_t& size) {
    if (calls) calls->push_back({command, std::move(params)});
    buffer = answer.data();
    size = answer.size();
  };
  tokens.Start();
  std::u32string text;
  for (; tokens.CurSym != symEof; tokens.NextSymbol())
    if (tokens.CurSym == symText) text += tokens.TokenText;
  return text;
}

}  // namespace

TEST(TokenizerIncludes, AnswerStandsInPlaceOfTheDirective) {
  std::vector<TIncludeCall> calls;
  EXPECT_EQ(TextWithIncludes("a<!--#date format=\"%d\" lang=en -->b", "12345", &calls),
            U"a12345b");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Command, U"date");
  EXPECT_EQ(calls[0].Params, (TStringList{U"FORMAT=\"%d\"", U"LANG=\"en\""}));
}

TEST(TokenizerIncludes, IncludedMarkupIsTokenizedAndNotNested) {
  std::vector<TIncludeCall> calls;
  EXPECT_EQ(TextWithIncludes("<!--#include-->x", "<b>bold</b><!--#inner-->!", &calls),
            U"bold!x");
  EXPECT_EQ(calls.size(), 1u);
}

TEST(TokenizerIncludes, NoAnswerLeavesNothingAndNoHandlerSkipsIt) {
  EXPECT_EQ(TextWithIncludes("a<!--#time-->b", ""), U"ab");
  EXPECT_EQ(TextOf("a<!--#time-->b"), U"ab");
}

TEST(TokenizerIncludes, UnclosedDirectiveIsAParseError) {
  EXPECT_THROW(TextWithIncludes("a<!--#include file=\"x\"", "y"), EParseError);
}

TEST(TokenizerIncludes, HandlerCannotStartAnotherParse) {
  TTokenizer tokens("a<!--#include-->b");
  bool refused = false;
  tokens.IncludeHandler = [&](TriruRedu*, const std::u32string&, TStringList, const char*&,
                              std::size_t&) {
    try {
      TTokenizer inner("x");
    } catch (const EParseError&) {
      refused = true;
    }
  };
  tokens.Start();
  EXPECT_TRUE(refused);
  EXPECT_EQ(tokens.TokenText, U"ab");
}

namespace {

std::vector<TToken> TextareaTokens(std::string_view content) {
  TTokenizer tokens(content);
  tokens.NextChar();
  std::vector<TToken> result;
  for (tokens.NextTextareaSymbol(); tokens.CurSym != symEof; tokens.NextTextareaSymbol())
    result.push_back({tokens.CurSym, tokens.TokenText, 0});
  return result;
}

std::vector<TToken> ScriptTokens(std::string_view content, bool collecting) {
  TTokenizer tokens(content);
  tokens.InScript = collecting;
  tokens.NextChar();
  std::vector<TToken> result;
  for (tokens.NextScriptSymbol(); tokens.CurSym != symEof; tokens.NextScriptSymbol())
    result.push_back({tokens.CurSym, tokens.TokenText, 0});
  return result;
}

}  // namespace

TEST(TokenizerRawModes, TextareaKeepsMarkupAsText) {
  auto tokens = TextareaTokens("a  <b>x&amp;\r\n</TextArea >");
  ASSERT_EQ(tokens.size(), 7u);
  EXPECT_EQ(tokens[0], (TToken{symText, U"a  ", 0}));
  EXPECT_EQ(tokens[1], (TToken{symUnknownTag, U"<b", 0}));
  EXPECT_EQ(tokens[2], (TToken{symText, U">x", 0}));
  EXPECT_EQ(tokens[3], (TToken{symText, U"&", 0}));
  EXPECT_EQ(tokens[4], (TToken{symEol, U"", 0}));
  EXPECT_EQ(tokens[5], (TToken{symTextareaEnd, U"</TextArea", 0}));
  EXPECT_EQ(tokens[6], (TToken{symText, U" >", 0}));
  EXPECT_EQ(TextareaTokens("</textarea>")[0].Sym, symTextareaEnd);
}

TEST(TokenizerRawModes, ScriptEndsOnlyAtItsEndTag) {
  auto tokens = ScriptTokens("if (a<b) x=\"&amp;\";\n</SCRIPT>", true);
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0], (TToken{symText, U"if (a", 0}));
  EXPECT_EQ(tokens[1], (TToken{symUnknownTag, U"<b", 0}));
  EXPECT_EQ(tokens[2], (TToken{symText, U") x=\"&amp;\";", 0}));
  EXPECT_EQ(tokens[3], (TToken{symEol, U"", 0}));
  EXPECT_EQ(tokens[4], (TToken{symScriptEnd, U"</SCRIPT>", 0}));
}

TEST(TokenizerRawModes, CommentsInScriptAreContentOnlyWhileCollecting) {
  EXPECT_EQ(ScriptTokens("<!-- x -->", true)[0], (TToken{symUnknownTag, U"<", 0}));
  EXPECT_TRUE(ScriptTokens("<!-- x -->", false).empty());
}
