#include <gtest/gtest.h>

#include "StyleTestSupport.h"
#include "html/style/StyleLimits.h"

namespace {

// The declarations kept, by their colours: every test colour is #0000NN and answers NN.
std::vector<int> Kept(const TDeclarationList& list) {
  std::vector<int> kept;
  for (const TDeclaration& declaration : list.Items)
    if (declaration.Property == spColor) kept.push_back(BlueOf(declaration.Value.Color.Rgb));
  return kept;
}
std::vector<int> Kept(std::u32string_view css) { return Kept(ParseStyleSheet(css).Declarations); }

std::vector<std::u32string> Imports(const TStyleSheet& sheet) {
  std::vector<std::u32string> urls;
  for (const TStyleImport& import : sheet.Imports) urls.push_back(import.Url);
  return urls;
}

using Ints = std::vector<int>;

}  // namespace

TEST(StyleSheet, BadDeclarationsBetweenGoodOnes) {
  EXPECT_EQ(Kept(U"p { color: #000001; color: ; bogus; color #000009; width: 10px;"
                 U"  color: #000002 ! important; x: {a; color: #000009}; color: #000003 }"),
            (Ints{1, 2, 3}));
  // A value that does not fit its property, a bad string, a brace block in a value.
  EXPECT_EQ(Kept(U"p { color: 12px; color: 'x\n; color: #000004; color: red {x}; color: #000005 }"),
            (Ints{4, 5}));
  // An at-rule or a nested rule among declarations is skipped with its block.
  EXPECT_EQ(Kept(U"p { @media screen { q { color: #000009 } } color: #000006 }"), (Ints{6}));
  EXPECT_EQ(Kept(U"p { a { color: #000009 } color: #000009; color: #000007 }"), (Ints{7}));
}

TEST(StyleSheet, ImportantIsKept) {
  const TStyleSheet sheet = ParseStyleSheet(
      U"p { color: red !important; color: blue!IMPORTANT ; color: green ! important }"
      U"q { color: red } r { color: red important }");
  ASSERT_EQ(sheet.Declarations.Items.size(), 4u);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(sheet.Declarations.Items[i].Important) << i;
  EXPECT_FALSE(sheet.Declarations.Items[3].Important);
  EXPECT_TRUE(sheet.Rules[0].HasImportant);
  EXPECT_FALSE(sheet.Rules[1].HasImportant);
  EXPECT_EQ(sheet.Stats.DeclarationsIgnored, 1u);  // "red important"
}

TEST(StyleSheet, UnknownAtRulesAreSkippedWhole) {
  EXPECT_EQ(
      Kept(U"@font-face { src: url(x) } p { color: #000001 }"
           U"@keyframes k { 0% { color: #000009 } to { color: #000009 } }"
           U"@supports (display: grid) { p { color: #000009 } }"
           U"@foo { a { b { c } } } p { color: #000002 }"
           U"@bar baz; @page :first { margin: 0 } @namespace svg url(x); p { color: #000003 }"),
      (Ints{1, 2, 3}));
  // Brackets of other kinds inside the block are counted: "}" inside "( )" closes nothing.
  EXPECT_EQ(Kept(U"@foo { ( } ) [ } ] } p { color: #000004 }"), (Ints{4}));
}

TEST(StyleSheet, UnterminatedAndStrayInput) {
  EXPECT_EQ(Kept(U"p { color: #000001"), (Ints{1}));
  EXPECT_EQ(Kept(U"p { color: #000001; /* no end"), (Ints{1}));
  EXPECT_EQ(Kept(U"p { color: #000001 } q { color: 'no end"), (Ints{1}));
  EXPECT_EQ(Kept(U"p { color: #000001 } q, r"), (Ints{1}));  // no block, no rule
  // A stray "}" at the top begins a selector that cannot be valid: that rule goes.
  EXPECT_EQ(Kept(U"p { color: #000001 }} q { color: #000009 } r { color: #000003 }"), (Ints{1, 3}));
  // The markers of an HTML comment around a sheet are ignored.
  EXPECT_EQ(Kept(U"<!-- p { color: #000001 } -->"), (Ints{1}));
}

TEST(StyleSheet, MediaBlocks) {
  EXPECT_EQ(Kept(U"@media screen { p { color: #000001 } }"
                 U"@media print { p { color: #000009 } }"
                 U"@media { p { color: #000002 } }"
                 U"@media print, SCREEN { p { color: #000003 } }"
                 U"@media screen and (max-width: 600px) { p { color: #000009 } }"
                 U"@media all { @media not print { p { color: #000004 } @media tv { p { color: "
                 U"#000009 } } } }"
                 U"@media screen { p { color: #000005 } q { color: #000006 }"),  // unclosed
            (Ints{1, 2, 3, 4, 5, 6}));
  // A "}" of the enclosing block ends a rule that has not found its own block.
  EXPECT_EQ(Kept(U"@media screen { p } q { color: #000007 }"), (Ints{7}));
  // @media nested beyond the limit is skipped rather than followed.
  std::u32string deep;
  for (int i = 0; i < MaxMediaNesting + 1; ++i) deep += U"@media all { p { color: #000001 } ";
  EXPECT_EQ(Kept(deep).size(), std::size_t(MaxMediaNesting));
}

TEST(StyleSheet, Imports) {
  const TStyleSheet sheet = ParseStyleSheet(
      U"@charset \"utf-8\"; @import 'a.css'; @import url(b.css) screen;"
      U"@import url('c.css') print; @import url(\"d.css\") all and (min-width: 100px);"
      U"@import 'e.css' { }; @import 42; p { color: red } @import 'late.css';");
  EXPECT_EQ(Imports(sheet), (std::vector<std::u32string>{U"a.css", U"b.css", U"d.css"}));
  // Imports inside @media blocks, or after any other at-rule, do not count.
  EXPECT_TRUE(ParseStyleSheet(U"@media screen { @import 'x.css'; }").Imports.empty());
  EXPECT_TRUE(ParseStyleSheet(U"@font-face {} @import 'x.css';").Imports.empty());
}

TEST(StyleSheet, StyleAttributes) {
  TStyleSheetStats stats;
  const TDeclarationList list = ParseDeclarations(
      U"color: #000001; font-weight: bold !important; } color: #000009; color: #000002", &stats);
  // A "}" outside a block is an error up to the next ";" like any other.
  EXPECT_EQ(Kept(list), (Ints{1, 2}));
  EXPECT_EQ(list.Items.size(), 3u);
  EXPECT_TRUE(list.Items[1].Important);
  EXPECT_EQ(stats.DeclarationsKept, 3u);
  EXPECT_EQ(stats.DeclarationsIgnored, 1u);
  EXPECT_TRUE(ParseDeclarations(U"").Items.empty());
  EXPECT_TRUE(ParseDeclarations(U";;; : ; {}").Items.empty());
}

TEST(StyleSheet, RulesAndSelectorsAreCounted) {
  const TStyleSheet sheet = ParseStyleSheet(
      U"p, a:hover, q { color: red; width: 1px }"  // kept, one selector dropped
      U"a::before { color: red }"                  // nothing supported: dropped
      U"p:unknown, q { color: red }"               // invalid: dropped
      U"p { width: 1px }"                          // nothing declared: dropped
      U"@media print { p { color: red } }");
  EXPECT_EQ(sheet.Stats.RulesKept, 1u);
  EXPECT_EQ(sheet.Stats.RulesDropped, 2u);
  EXPECT_EQ(sheet.Stats.RulesEmpty, 1u);
  EXPECT_EQ(sheet.Stats.SelectorsKept, 2u);
  EXPECT_EQ(sheet.Stats.SelectorsDropped, 2u);
  EXPECT_EQ(sheet.Stats.DeclarationsKept, 1u);
  EXPECT_EQ(sheet.Stats.DeclarationsIgnored, 2u);
  EXPECT_EQ(sheet.Stats.AtRulesSkipped, 1u);
  ASSERT_EQ(sheet.Selectors.size(), 2u);
  EXPECT_EQ(sheet.Selectors[1].Rule, 0u);
}

TEST(StyleSheet, HostileSheetsStayBounded) {
  // 10^5 selectors in one rule: the rule is dropped, the next one stays.
  std::u32string many;
  for (int i = 0; i < 100000; ++i) many += U"p.c, ";
  EXPECT_EQ(Kept(many + U"q { color: #000009 } r { color: #000001 }"), (Ints{1}));

  // A megabyte of rules: the sheet stops at its limit and says so.
  std::u32string rules;
  for (std::size_t i = 0; i < MaxSheetSelectors + 10; ++i) rules += U"p{color:#000001}";
  const TStyleSheet full = ParseStyleSheet(rules);
  EXPECT_TRUE(full.Stats.Truncated);
  EXPECT_EQ(full.Selectors.size(), MaxSheetSelectors);

  // Blocks nested a hundred thousand deep, in a rule, a value and a selector.
  for (std::u32string_view opener : {U"{", U"(", U"["}) {
    std::u32string deep = U"p { color: #000001 } q { x: ";
    for (int i = 0; i < 100000; ++i) deep += opener;
    EXPECT_EQ(Kept(deep), (Ints{1}));
    EXPECT_EQ(Kept(std::u32string(100000, opener[0]) + U"p { color: red }"), Ints{});
  }

  // Huge numbers and endless escapes.
  EXPECT_EQ(
      Kept(U"p { margin-left: 1e99999999px; font-size: 99999999999999999999em; color: #000001 }"),
      (Ints{1}));
  EXPECT_EQ(Kept(U"p" + std::u32string(50000, U'\\') + U"{color: #000001}"), (Ints{1}));
}
