// Section text kept one, two or four bytes a character: what goes in comes out, in every form,
// and layout and find read it as they read any text.
#include "DocumentFixture.h"
#include "html/document/ScriptNeeds.h"
#include "html/document/SectionText.h"
#include "platform/Font.h"

namespace {

// A face whose characters differ in width, so that a character read wrongly or a stretch
// measured twice shows in the sum.
class TUnevenFace : public TFontFace {
 public:
  TUnevenFace() : TFontFace(TTextMetrics{}) {}

 protected:
  int MeasureAdvance(char32_t ch) override { return int(ch % 7) + 1; }
};

constexpr char32_t Emoji = 0x1F600;

class SectionTextLayoutTest : public DocumentTest {};

}  // namespace

TEST(SectionTextTest, EachTextTakesTheNarrowestFormThatHoldsIt) {
  const struct {
    std::u32string Text;
    TSectionText::TForm Form;
  } cases[] = {
      {U"plain words, \t and 100%", TSectionText::tfByte},
      // Latin-1 and the marks of code page 1252: dashes, quotes, ellipsis, euro, per mille.
      {U"caf\u00E9 \u2014 \u201Cquoted\u201D \u2026 \u20AC5 \u2030 \u0160 \u00FF",
       TSectionText::tfByte},
      {U"\u0081\u009D", TSectionText::tfByte},      // bytes 1252 leaves undefined keep their code
      {U"\u0080", TSectionText::tfBasicPlane},      // byte 0x80 is the euro sign, not U+0080
      {U"x \u2192 y", TSectionText::tfBasicPlane},  // an arrow has no byte
      {U"\u6F22\u5B57 \u05E9\u05DC\u05D5\u05DD", TSectionText::tfBasicPlane},
      {std::u32string(1, char32_t(0xD800)), TSectionText::tfBasicPlane},  // a lone surrogate
      {std::u32string(U"smile ") + Emoji, TSectionText::tfFull},
      {U"\U0010FFFF", TSectionText::tfFull},
  };
  for (const auto& test : cases) {
    const TSectionText text(test.Text);
    EXPECT_EQ(text.Form(), test.Form) << text.size();
    EXPECT_TRUE(text == test.Text);
  }
}

TEST(SectionTextTest, EveryCharacterReadsBackAfterAnyText) {
  // Appended after one-byte text, after two-byte text and after four-byte text.
  const std::u32string befores[] = {U"a", U"\u6F22", std::u32string(1, Emoji)};
  std::vector<char32_t> chars;
  for (char32_t ch = 0; ch < 0x3100; ++ch) chars.push_back(ch);
  for (const char32_t ch : {0xFEFFu, 0xFFFDu, 0xFFFFu, 0x10000u, 0x1F600u, 0x10FFFFu})
    chars.push_back(ch);
  for (const std::u32string& before : befores) {
    for (const char32_t ch : chars) {
      TSectionText text(before);
      text.append(std::u32string_view(&ch, 1));
      ASSERT_EQ(text[0], before[0]);
      ASSERT_EQ(text.back(), ch) << std::hex << unsigned(ch) << " after " << unsigned(before[0]);
    }
  }
}

TEST(SectionTextTest, WideningKeepsTheTextAndItsRoom) {
  TSectionText text;
  text.reserve(500);
  std::u32string expected;
  for (const std::u32string_view part :
       {U"one \u2014 ", U"\u6F22 ", U"\U0001F600 ", U"caf\u00E9"}) {
    text.append(part);
    expected += part;
    EXPECT_EQ(text.str(), expected);
    EXPECT_GE(text.capacity(), 500u);  // appending word by word goes on without copying
  }
  EXPECT_EQ(text.substr(4, 3), U"\u2014 \u6F22");
  EXPECT_EQ(text.substr(100, 3), U"");  // beyond the end: nothing
}

TEST(SectionTextTest, WidthsAreThoseOfTheCharacters) {
  TUnevenFace face;
  std::u32string line;
  for (int i = 0; i < 300; ++i) line += char32_t(U'a' + i % 26);
  for (const std::u32string& text : {line + U"\u2014\u201C", line + U"\u6F22", line + Emoji}) {
    const TSectionText stored(text);
    const std::pair<std::size_t, std::size_t> pieces[] = {
        {0, text.size()}, {0, 128}, {1, 128}, {127, 2}, {5, 0}, {290, 100}, {400, 5}};
    for (const auto& [pos, count] : pieces) {
      const std::u32string_view all(text);
      const std::u32string_view piece = pos < all.size() ? all.substr(pos, count) : U"";
      EXPECT_EQ(stored.Width(face, pos, count), face.TextWidth(piece)) << pos << "+" << count;
    }
  }
}

TEST(SectionTextTest, NoCharacterWithAByteNeedsTheScriptRules) {
  // Layout skips looking for script needs in one-byte text.
  std::u32string all;
  for (int byte = 0; byte < 256; ++byte) all += Windows1252Char(static_cast<unsigned char>(byte));
  const TScriptNeeds needs = ScriptNeedsOf(all);
  EXPECT_FALSE(needs.BreakRules || needs.RightToLeft || needs.Joining);
  for (const char32_t ch : all) {
    const TScriptNeeds one = ScriptNeedsOf(std::u32string(20, ch));
    EXPECT_FALSE(one.BreakRules || one.RightToLeft || one.Joining) << unsigned(ch);
  }
}

TEST_F(SectionTextLayoutTest, FindMeasureAndBreakInEveryForm) {
  // 8 pixels a character, each form's text broken at the same places; 17 characters each.
  const std::u32string emoji(1, Emoji);
  TSection& bytes = AddText(U"aaaa \u2014\u2014 bbbb cccc");
  TSection& basic = AddText(U"aaaa \u2192\u2192 bbbb cccc");
  TSection& full = AddText(U"aaaa " + emoji + emoji + U" bbbb cccc");
  Arrange(13 * 8);
  EXPECT_EQ(bytes.Text.Form(), TSectionText::tfByte);
  EXPECT_EQ(basic.Text.Form(), TSectionText::tfBasicPlane);
  EXPECT_EQ(full.Text.Form(), TSectionText::tfFull);
  for (const TSection* section : {&bytes, &basic, &full}) {
    const std::vector<std::u32string> lines = LineTexts(*section);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], U"cccc");
    EXPECT_EQ(section->TextWidth(0, 7, false), 7 * 8);
  }
  EXPECT_EQ(Document.SearchText(0, U"\u2014 B", false), 6);
  EXPECT_EQ(Document.SearchText(0, U"\u2014 B", true), -1);
  EXPECT_EQ(Document.SearchText(0, U"\u2192 bbbb", true), 17 + 6);
  EXPECT_EQ(Document.SearchText(0, emoji + U" B", false), 34 + 6);
  EXPECT_EQ(Document.SearchText(0, U"\u0114", false), -1);  // no byte, so in no byte text
  char32_t ch = 0;
  TSectionBase* section = nullptr;
  ASSERT_TRUE(Document.CharAt(34 + 5, ch, section));
  EXPECT_EQ(ch, Emoji);
}
