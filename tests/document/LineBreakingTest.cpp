#include "DocumentFixture.h"

#include <algorithm>

#include "html/document/LineBreaking.h"
#include "html/document/ScriptNeeds.h"
#include "html/support/Utf8.h"

namespace {

// The indexes where the rules let a line start, found by one breaker for all the texts of
// the tests, as a document's is.
std::vector<int> BreaksIn(std::u32string_view text) {
  static TLineBreaker breaker;
  const std::vector<bool> breaks = breaker.RuleBreaks(text);
  EXPECT_EQ(breaks.size(), text.size() + 1);
  std::vector<int> at;
  for (std::size_t i = 0; i < breaks.size(); ++i)
    if (breaks[i]) at.push_back(int(i));
  return at;
}

using Indexes = std::vector<int>;

// Characters of the 12-point test font are 8 pixels wide: 100 pixels hold 12 of them.
class CjkLayoutTest : public DocumentTest {};

}  // namespace

TEST(ScriptNeeds, OnlyTextThatNeedsTheRulesPaysForThem) {
  struct TCase {
    std::u32string Text;
    bool BreakRules, RightToLeft, Joining;
  };
  const std::u32string latin = U"“Quoted” — text … © with dashes – and ‘quotes’ ";  // 46
  const TCase cases[] = {
      {latin, false, false, false},
      {U"Ελληνικά кириллица ١٢٣", false, false, false},  // Arabic digits do not reorder alone
      {latin + U"שלום", false, true, false},
      {latin + U"x" + U"\u200F", false, true, false},
      {latin + U"سلام" + latin, false, true, true},
      {U"中" + latin, true, false, false},
      {latin + U"ひらがな", true, false, false},
      {latin + latin + U"한국어", true, false, false},
      {U"ภาษาไทย", true, false, false},
      {U"（全角）", true, false, false},
      {U"\U00020000", true, false, false},
      {U"", false, false, false}};
  for (const TCase& test : cases) {
    const TScriptNeeds needs = ScriptNeedsOf(test.Text);
    EXPECT_EQ(needs.BreakRules, test.BreakRules) << EncodeUtf8(test.Text);
    EXPECT_EQ(needs.RightToLeft, test.RightToLeft) << EncodeUtf8(test.Text);
    EXPECT_EQ(needs.Joining, test.Joining) << EncodeUtf8(test.Text);
  }
}

TEST(LineBreaking, BreaksBetweenIdeographsButNotBesidePunctuation) {
  // Never before a closing mark or after an opening one.
  EXPECT_EQ(BreaksIn(U"中文字。"), (Indexes{1, 2}));
  EXPECT_EQ(BreaksIn(U"「日本」語、です"), (Indexes{2, 4, 6, 7}));
  EXPECT_EQ(BreaksIn(U"一二（三）四"), (Indexes{1, 2, 5}));
  // Small kana and the prolonged sound mark do not start a line either.
  EXPECT_EQ(BreaksIn(U"ちょっとコーヒー"), (Indexes{3, 4, 6}));
}

TEST(LineBreaking, LatinBesideIdeographsKeepsItsOwnBreaks) {
  // Between Latin letters, hyphens and spaces nothing changes: the spaces decide there. Next to
  // an ideograph the rules apply.
  EXPECT_EQ(BreaksIn(U"well-known 中文 text"), (Indexes{11, 12}));
  EXPECT_EQ(BreaksIn(U"abc中def"), (Indexes{3, 4}));
  EXPECT_EQ(BreaksIn(U"no ideographs here"), (Indexes{}));
}

TEST(LineBreaking, IndexesCountCharactersBeyondTheBasicPlane) {
  // Two ideographs of the supplementary plane take two UTF-16 units each.
  EXPECT_EQ(BreaksIn(U"\U00020000\U00020001\U00020002"), (Indexes{1, 2}));
  EXPECT_EQ(BreaksIn(U"a\U0001F600中"), (Indexes{1, 2}));
  // An object breaks like one; values that are no character read as U+FFFD.
  EXPECT_EQ(BreaksIn(std::u32string{U'中', ImageMarker, U'文', char32_t(0xD800), char32_t(0x110000)}),
            (Indexes{1, 2, 3}));
}

TEST(LineBreaking, ThaiBreaksBetweenWords) {
  const Indexes breaks = BreaksIn(U"ภาษาไทยง่ายนิดเดียว");
  EXPECT_FALSE(breaks.empty());
  EXPECT_EQ(std::count(breaks.begin(), breaks.end(), 2), 0);  // not inside a syllable
}

TEST_F(CjkLayoutTest, AChineseParagraphWrapsToTheWidth) {
  // Twelve characters to a line; the thirteenth is a full stop, so the twelfth goes down with it.
  TSection& section = AddText(U"一二三四五六七八九十一二。三四五六");
  Arrange(100);
  EXPECT_EQ(LineTexts(section),
            (std::vector<std::u32string>{U"一二三四五六七八九十一", U"二。三四五六"}));
  // A paragraph that fits ends lines after its closing marks like any other character.
  TSection& fits = AddText(U"一二三四五六七八九十一。二三");
  Arrange(100);
  EXPECT_EQ(LineTexts(fits), (std::vector<std::u32string>{U"一二三四五六七八九十一。", U"二三"}));
}

TEST_F(CjkLayoutTest, NarrowColumnsStillBreakBetweenCharacters) {
  // One character per line when only one fits, except that a closing mark keeps its
  // character, overflowing.
  TSection& section = AddText(U"中文」字");
  Arrange(10);
  EXPECT_EQ(LineTexts(section), (std::vector<std::u32string>{U"中", U"文」", U"字"}));
}

TEST_F(CjkLayoutTest, LatinWordsInChineseBreakAtSpacesOrBesideIdeographs) {
  TSection& section = AddText(U"中文 Latin words 中文文字");
  Arrange(100);
  EXPECT_EQ(LineTexts(section),
            (std::vector<std::u32string>{U"中文 Latin ", U"words 中文文字"}));
  // Latin text alone breaks only at spaces, as before.
  TSection& latin = AddText(U"well-known-hyphenated-word end");
  Arrange(100);
  EXPECT_EQ(LineTexts(latin),
            (std::vector<std::u32string>{U"well-known-hyphenated-word ", U"end"}));
}

TEST_F(CjkLayoutTest, TheNarrowestWidthIsOneCharacter) {
  // A table cell of Chinese text may shrink to one ideograph with its punctuation.
  TSection& section = AddText(U"中文字。ab");
  int minWidth = 0, maxWidth = 0;
  section.MeasureWidths(*Canvas, minWidth, maxWidth);
  EXPECT_EQ(minWidth, 2 * 8);  // "字。" and "ab"
  EXPECT_EQ(maxWidth, 6 * 8);
}
