#include <gtest/gtest.h>

#include <string>

#include "html/support/LetterCase.h"
#include "html/support/Trim.h"

TEST(LetterCase, OnlyAsciiLettersChangeCase) {
  // The characters next to the letter ranges, and Latin-1 letters, stay as they are.
  EXPECT_EQ(LowerAscii(U"@AZ[`az{\u00C9\u00E9"), U"@az[`az{\u00C9\u00E9");
  EXPECT_EQ(UpperAscii(U"@AZ[`az{\u00C9\u00E9"), U"@AZ[`AZ{\u00C9\u00E9");
  EXPECT_EQ(LowerAscii(std::string("Index.HTM\xC3\x89")), "index.htm\xC3\x89");
  EXPECT_EQ(UpperAscii(std::string("index.htm\xC3\xA9")), "INDEX.HTM\xC3\xA9");
}

TEST(LetterCase, EqualsIgnoringCaseNeedsTheSameLength) {
  EXPECT_TRUE(EqualsIgnoringCase(U"</TextArea", U"</TEXTAREA"));
  EXPECT_FALSE(EqualsIgnoringCase(U"</TEXTAREA", U"</TEXTAREAS"));
  EXPECT_FALSE(EqualsIgnoringCase(U"\u00E9", U"\u00C9"));
  EXPECT_TRUE(EqualsIgnoringCase(std::string_view("Arial"), std::string_view("ARIAL")));
  EXPECT_FALSE(EqualsIgnoringCase(std::string_view("Arial"), std::string_view("Arial ")));
}

TEST(LetterCase, UpperLatin1LeavesLettersWithoutCapitals) {
  // Sharp s, y diaeresis and the division sign have no capital 32 below them.
  EXPECT_EQ(UpperLatin1(U"a\u00E0\u00FE\u00DF\u00FF\u00F7"), U"A\u00C0\u00DE\u00DF\u00FF\u00F7");
}

TEST(Trim, ControlsGoAndCharactersStay) {
  EXPECT_EQ(TrimControls(U"\t\r\n x y \x01"), U"x y");
  EXPECT_EQ(TrimControls(U" \u00A0 "), U"\u00A0");
  EXPECT_EQ(TrimControls(U"   "), U"");
  // Bytes of 0x80 and above belong to characters, however a char compares.
  EXPECT_EQ(TrimControls(std::string_view(" \xC3\xA9 ")), "\xC3\xA9");
}
