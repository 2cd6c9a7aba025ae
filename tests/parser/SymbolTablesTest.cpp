#include <gtest/gtest.h>

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
  int named = 0;
  for (int value = 0; value < SymbolCount; ++value)
    if (!SymbolName(static_cast<TSymbol>(value)).empty()) ++named;
  EXPECT_EQ(named, 211);  // 68, 173 to 175 and 215 onwards are unused
  EXPECT_EQ(SymbolName(symHref), "symHref");
  EXPECT_EQ(SymbolName(static_cast<TSymbol>(68)), "");
}

TEST(SymbolTables, EntitiesMatchWithCase) {
  EXPECT_EQ(LookupEntity(U"amp"), U'&');
  EXPECT_EQ(LookupEntity(U"AMP"), std::nullopt);
  EXPECT_EQ(LookupEntity(U"nbsp"), char32_t{160});
  EXPECT_EQ(LookupEntity(U"yuml"), char32_t{255});
  EXPECT_EQ(LookupEntity(U"Agrave"), char32_t{192});
  EXPECT_EQ(LookupEntity(U"agrave"), char32_t{224});
  EXPECT_EQ(LookupEntity(U"times"), char32_t{215});
  // Later names.
  EXPECT_EQ(LookupEntity(U"mdash"), char32_t{0x2014});
  EXPECT_EQ(LookupEntity(U"euro"), char32_t{0x20AC});
  EXPECT_EQ(LookupEntity(U"Omega"), char32_t{937});
  EXPECT_EQ(LookupEntity(U"omega"), char32_t{969});
  EXPECT_EQ(LookupEntity(U"alefsym"), char32_t{8501});
  EXPECT_EQ(LookupEntity(U"foo"), std::nullopt);
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
  EXPECT_EQ(FontSizeScales[2], 12);
  EXPECT_EQ(PreFontSizeScales[6], 30);
  EXPECT_EQ(LowerRomans[3], U"iv");
  EXPECT_EQ(UpperRomans[18], U"XIX");
}
