#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <utility>

#include "html/parser/Attributes.h"
#include "html/parser/Colors.h"
#include "html/parser/Entities.h"
#include "html/parser/Symbols.h"
#include "html/parser/Tables.h"

TEST(SymbolTables, TagsWithAndWithoutEndForms) {
  EXPECT_EQ(LookupTag("H", false), symHeading);
  EXPECT_EQ(LookupTag("HR", false), symHr);
  EXPECT_EQ(LookupTag("P", true), symParaEnd);
  EXPECT_EQ(LookupTag("TR", true), symTrEnd);
  // The sixteen tags without an end form give an unknown tag for their end tag.
  for (const char* name : {"LI", "BR", "IMG", "META", "INPUT", "BASEFONT"}) {
    EXPECT_NE(LookupTag(name, false), symUnknownTag) << name;
    EXPECT_EQ(LookupTag(name, true), symUnknownTag) << name;
  }
  EXPECT_EQ(LookupTag("BLINK", false), symUnknownTag);
  EXPECT_EQ(LookupTag("", false), symUnknownTag);
}

TEST(SymbolTables, SharedSymbolsAndAttributes) {
  EXPECT_EQ(LookupTag("SELECTED", false), LookupAttribute("SELECTED"));
  EXPECT_EQ(LookupTag("WRAP", false), LookupAttribute("WRAP"));
  EXPECT_EQ(LookupAttribute("TEXT"), symText);
  EXPECT_EQ(LookupAttribute("HTTP-EQUIV"), symHttpEquiv);
  EXPECT_EQ(LookupAttribute("VALUE"), symValue);
  EXPECT_EQ(LookupAttribute("VSPACE"), symUnknownAttr);
}

TEST(SymbolTables, LaterElementsAndHowTheirContentIsRead) {
  EXPECT_EQ(LookupTag("FIGCAPTION", false), symFigcaption);
  EXPECT_EQ(LookupTag("SECTION", true), symSectionEnd);
  EXPECT_EQ(LookupTag("WBR", true), symUnknownTag);
  EXPECT_EQ(LookupTag("HEADER", false), symHeader);  // not the H of headings
  EXPECT_EQ(LookupAttribute("ID"), symId);
  EXPECT_EQ(EndSymbolOf(symDiv), symDivEnd);
  EXPECT_EQ(EndSymbolOf(symLi), symUnknownTag);
  EXPECT_EQ(EndSymbolOf(symUnknownTag), symUnknownTag);
  EXPECT_EQ(TagContent(symStyle), tcSkipped);
  EXPECT_EQ(TagContent(symMath), tcSkipped);
  EXPECT_EQ(TagContent(symSvg), tcGathered);
  EXPECT_EQ(TagContent(symXmp), tcMarkup);  // the builder reads its plain text itself
  EXPECT_EQ(TagContent(symUnknownTag), tcMarkup);
}

TEST(SymbolTables, EveryUsedValueHasAName) {
  // The values 0 to 214, of which 68 and 173 to 175 are unused; the rest of the byte is free.
  int named = 0;
  for (int value = 0; value < 256; ++value)
    if (!SymbolName(static_cast<TSymbol>(value)).empty()) ++named;
  EXPECT_EQ(named, 211);
  EXPECT_EQ(SymbolName(symHref), "symHref");
  for (const int unused : {68, 173, 174, 175, 215, 255})
    EXPECT_EQ(SymbolName(static_cast<TSymbol>(unused)), "") << unused;
}

namespace {

// The characters of the longest entity name text begins with, and the name's length.
std::pair<std::u32string, std::size_t> Entity(std::string_view text) {
  auto match = MatchEntity(text);
  if (!match) return {U"", 0};
  std::u32string chars(1, match->First);
  if (match->Second) chars += match->Second;
  return {chars, match->Length};
}

}  // namespace

TEST(SymbolTables, EntitiesMatchWithCase) {
  using E = std::pair<std::u32string, std::size_t>;
  EXPECT_EQ(Entity("amp;"), (E{U"&", 4}));
  EXPECT_EQ(Entity("AMP;"), (E{U"&", 4}));  // a name of its own
  EXPECT_EQ(Entity("Amp;"), (E{U"", 0}));
  EXPECT_EQ(Entity("nbsp;"), (E{U"\u00A0", 5}));
  EXPECT_EQ(Entity("yuml;"), (E{U"\u00FF", 5}));
  EXPECT_EQ(Entity("Yuml;"), (E{U"\u0178", 5}));
  EXPECT_EQ(Entity("Agrave;"), (E{U"\u00C0", 7}));
  EXPECT_EQ(Entity("agrave;"), (E{U"\u00E0", 7}));
  EXPECT_EQ(Entity("foo;"), (E{U"", 0}));
}

TEST(SymbolTables, EntityTable) {
  using E = std::pair<std::u32string, std::size_t>;
  // The first and last names in the table's order, and the longest.
  EXPECT_EQ(Entity("AElig"), (E{U"\u00C6", 5}));
  EXPECT_EQ(Entity("zwnj;"), (E{U"\u200C", 5}));
  EXPECT_EQ(Entity("CounterClockwiseContourIntegral;"), (E{U"\u2233", 32}));
  EXPECT_EQ(Entity("lsqb;apos;"), (E{U"[", 5}));
  EXPECT_EQ(Entity("check;"), (E{U"\u2713", 6}));
  EXPECT_EQ(Entity("fjlig;"), (E{U"fj", 6}));
  // Names for two characters: a sign with a combining mark or a variation selector.
  EXPECT_EQ(Entity("NotEqualTilde;"), (E{U"\u2242\u0338", 14}));
  EXPECT_EQ(Entity("caps;"), (E{U"\u2229\uFE00", 5}));
  // Legacy names stand without ";", the others need it; the longest name wins.
  EXPECT_EQ(Entity("copy"), (E{U"\u00A9", 4}));
  EXPECT_EQ(Entity("copy2"), (E{U"\u00A9", 4}));
  EXPECT_EQ(Entity("notit;"), (E{U"\u00AC", 3}));
  EXPECT_EQ(Entity("notin;"), (E{U"\u2209", 6}));
  EXPECT_EQ(Entity("mdash"), (E{U"", 0}));
  EXPECT_EQ(Entity("rarr"), (E{U"", 0}));
}

TEST(SymbolTables, NumericEntityCharacters) {
  EXPECT_EQ(NumericEntityChar(65), U'A');
  EXPECT_EQ(NumericEntityChar(9), U' ');
  EXPECT_EQ(NumericEntityChar(13), std::nullopt);
  EXPECT_EQ(NumericEntityChar(0), std::nullopt);
  EXPECT_EQ(NumericEntityChar(150), char32_t{0x2013});  // read as the Windows code page
  EXPECT_EQ(NumericEntityChar(160), char32_t{160});
  EXPECT_EQ(NumericEntityChar(300), char32_t{0x12C});
  EXPECT_EQ(NumericEntityChar(0xD800), std::nullopt);
  EXPECT_EQ(NumericEntityChar(0x10FFFF), char32_t{0x10FFFF});
  EXPECT_EQ(NumericEntityChar(0x110000), std::nullopt);
}

TEST(SymbolTables, ColorNamesAndHexadecimal) {
  EXPECT_EQ(ColorFromString(U"red"), 0x0000FFu);
  EXPECT_EQ(ColorFromString(U"Red"), 0x0000FFu);
  EXPECT_EQ(ColorFromString(U"#ff0000"), 0x0000FFu);
  EXPECT_EQ(ColorFromString(U"ff0000"), 0x0000FFu);
  EXPECT_EQ(ColorFromString(U"#FF8000"), 0x0080FFu);
  EXPECT_EQ(ColorFromString(U"navy"), 0x800000u);
  EXPECT_EQ(ColorFromString(U"fuchsia"), 0xFF00FFu);
  EXPECT_EQ(ColorFromString(U"12#3456"), 0x563412u);  // the first "#" wherever it stands
  EXPECT_EQ(ColorFromString(U"#1FF8000"), 0x0080FFu); // bits above 24 are dropped
}

TEST(SymbolTables, ColorRejections) {
  EXPECT_EQ(ColorFromString(U""), std::nullopt);
  EXPECT_EQ(ColorFromString(U"#GG0000"), std::nullopt);
  EXPECT_EQ(ColorFromString(U"123456789"), std::nullopt);
  EXPECT_EQ(ColorFromString(U"#"), std::nullopt);
  EXPECT_EQ(ColorFromString(U"##FF0000"), std::nullopt);
  EXPECT_EQ(ColorFromString(U"light blue"), std::nullopt);
}

TEST(SymbolTables, FindAttributeTakesTheFirst) {
  TAttributeList list;
  list.Emplace(symWidth, 50, U"50%");
  list.Emplace(symAlign, 0, U"left");
  list.Emplace(symAlign, 0, U"right");
  ASSERT_NE(FindAttribute(list, symAlign), nullptr);
  EXPECT_EQ(FindAttribute(list, symAlign)->StrValue, U"left");
  EXPECT_EQ(AttributeText(list, symAlign), U"left");
  EXPECT_EQ(FindAttribute(list, symHref), nullptr);
  EXPECT_EQ(AttributeText(list, symHref), U"");
}

TEST(SymbolTables, SizeAndRomanTables) {
  EXPECT_EQ(FontSizeScales, (std::array<int, 7>{8, 10, 12, 14, 18, 24, 36}));
  EXPECT_EQ(PreFontSizeScales, (std::array<int, 7>{7, 8, 10, 12, 15, 20, 30}));
  const std::array<std::u32string_view, 20> lower{
      U"i",  U"ii",  U"iii",  U"iv",  U"v",  U"vi",  U"vii",  U"viii",  U"ix",  U"x",
      U"xi", U"xii", U"xiii", U"xiv", U"xv", U"xvi", U"xvii", U"xviii", U"xix", U"xx"};
  const std::array<std::u32string_view, 20> upper{
      U"I",  U"II",  U"III",  U"IV",  U"V",  U"VI",  U"VII",  U"VIII",  U"IX",  U"X",
      U"XI", U"XII", U"XIII", U"XIV", U"XV", U"XVI", U"XVII", U"XVIII", U"XIX", U"XX"};
  EXPECT_EQ(LowerRomans, lower);
  EXPECT_EQ(UpperRomans, upper);
}
