#include "DocumentFixture.h"

#include "html/document/PreFormated.h"

namespace {

// Characters of the 12-point test font are 8 pixels wide, lines 16 high with descent 4.
constexpr int Advance = 8;

class LineLayoutTest : public DocumentTest {
 protected:
  TFakeImage& AddImage(TSection& section, int width, int height, TImageAlign align, int hSpace = 0) {
    return static_cast<TFakeImage&>(
        section.InsertImage(std::make_unique<TFakeImage>(width, height, align, hSpace)));
  }
  std::unique_ptr<TSection> Text(std::u32string_view text, TJustify justify = jLeft) {
    auto section = std::make_unique<TSection>(Document.RunFonts, 0, justify, nullptr, BaseFont());
    section->AppendText(text);
    return section;
  }
  TSection& Add(std::unique_ptr<TSection> section) {
    TSection& result = *section;
    Document.AddSection(std::move(section));
    return result;
  }
};

}  // namespace

TEST_F(LineLayoutTest, FitCharsFindsTheLongestPrefixThatFits) {
  TSection& section = AddText(U"abcdefghij");
  Arrange(400);
  const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {7, 0}, {8, 1}, {23, 2}, {24, 3},
                                       {79, 9}, {80, 10}, {5000, 10}};
  for (const auto& [width, fit] : cases) EXPECT_EQ(section.FitChars(width, 0, 10), fit) << width;
  EXPECT_EQ(section.FitChars(5000, 2, 3), 3);  // never beyond the limit
  EXPECT_EQ(section.FitChars(40, 7, 100), 3);  // nor beyond the text
}

TEST_F(LineLayoutTest, FitCharsMeasuresEachRunInItsOwnFont) {
  TSection& section = AddText(U"aaaa");
  TMyFont big = BaseFont();
  big.SetScale(Document, 24);  // 32 pixels high, 16 wide
  section.ChangeFont(Document, big);
  section.AppendText(U"bbbb");
  Arrange(400);
  EXPECT_EQ(section.FitChars(4 * Advance + 2 * 16, 0, 8), 6);
  EXPECT_EQ(section.FitChars(4 * Advance + 2 * 16 - 1, 0, 8), 5);
  EXPECT_EQ(section.FitChars(4 * Advance - 1, 0, 8), 3);
  EXPECT_EQ(section.TextWidth(0, 8, false), 4 * Advance + 4 * 16);
}

TEST_F(LineLayoutTest, FitCharsInAVeryLongPiece) {
  TSection& section = AddText(std::u32string(300000, U'x'));
  Arrange(400);
  for (int width : {0, 1, 800, 801, 8191, 2400000, 2400001})
    EXPECT_EQ(section.FitChars(width, 0, 300000), std::min(width / Advance, 300000)) << width;
  EXPECT_EQ(section.FitChars(800, 299990, 10), 10);
}

TEST_F(LineLayoutTest, LinesBreakAfterTheLastSpaceThatFits) {
  // 100 pixels hold 12 characters.
  TSection& section = AddText(U"aaaa bbbb cccc dddd");
  const int height = Arrange(100);
  EXPECT_EQ(LineTexts(section), (std::vector<std::u32string>{U"aaaa bbbb ", U"cccc dddd"}));
  EXPECT_EQ(height, 32);
  EXPECT_EQ(section.Lines[1].Start, 10);
  EXPECT_EQ(section.Lines[0].TextHeight, 16);
  EXPECT_EQ(section.Lines[0].Descent, 4);
  EXPECT_EQ(section.PosCount, 19);
}

TEST_F(LineLayoutTest, SpacesAfterTheBreakStayOnTheLine) {
  TSection& section = AddText(U"aaaaaaaaaaa    bb");
  Arrange(100);
  EXPECT_EQ(LineTexts(section), (std::vector<std::u32string>{U"aaaaaaaaaaa    ", U"bb"}));
}

TEST_F(LineLayoutTest, AWordLongerThanTheLineOverflowsWhole) {
  TSection& section = AddText(U"xx wwwwwwwwwwwwwwwwwwww  yy");
  int maxWidth = 0, curs = 0;
  Document.Arrange(*Canvas, 0, 100, maxWidth, curs);
  EXPECT_EQ(LineTexts(section),
            (std::vector<std::u32string>{U"xx ", U"wwwwwwwwwwwwwwwwwwww  ", U"yy"}));
  EXPECT_EQ(section.Lines[1].LineX, 0);
  TSection& alone = AddText(U"wwwwwwwwwwwwwwwwwwww");
  Arrange(100);
  EXPECT_EQ(alone.Lines.size(), 1u);
}

TEST_F(LineLayoutTest, CentredAndRightLinesLeaveOutTrailingSpaces) {
  TSection& centred = Add(Text(U"abcd ", jCentre));
  TSection& right = Add(Text(U"abcd ", jRight));
  TSection& wideCentred = Add(Text(U"wwwwwwwwwwwwwwwwwwwwwwwwwwwwww", jCentre));  // 240 pixels
  TSection& wideRight = Add(Text(U"wwwwwwwwwwwwwwwwwwwwwwwwwwwwww", jRight));
  Arrange(200);
  EXPECT_EQ(centred.Lines[0].LineX, (200 - 32) / 2);
  EXPECT_EQ(right.Lines[0].LineX, 200 - 32 - 1);
  EXPECT_EQ(wideCentred.Lines[0].LineX, 0);   // starts at the left indent
  EXPECT_EQ(wideRight.Lines[0].LineX, -41);   // starts left of it
}

TEST_F(LineLayoutTest, ListLevelsIndentLines) {
  auto item = std::make_unique<TSection>(Document.RunFonts, 2, jLeft, nullptr, BaseFont());
  item->AppendText(U"aaaa bbbb");
  TSection& section = Add(std::move(item));
  TSection& after = AddText(U"cc");
  int maxWidth = 0, curs = 0;
  Document.Arrange(*Canvas, 0, 140, maxWidth, curs);  // 70 pixels left: 8 characters
  EXPECT_EQ(section.MarkerX, 70);
  EXPECT_EQ(LineTexts(section), (std::vector<std::u32string>{U"aaaa ", U"bbbb"}));
  EXPECT_EQ(section.Lines[1].LineX, 70);
  EXPECT_EQ(after.Lines[0].LineX, 0);
  EXPECT_EQ(curs, 11);
  EXPECT_EQ(after.FirstPos, 9);
}

TEST_F(LineLayoutTest, ClearMovesTextBelowTheFloat) {
  auto floated = Text(U"");
  AddImage(*floated, 50, 40, iaLeft);
  floated->AppendText(U" text");
  TSection& first = Add(std::move(floated));
  TSection& beside = AddText(U"beside");
  auto cleared = Text(U"below");
  TAttributeList attributes;
  attributes.Emplace(symClear, 0, U"ALL");
  cleared->ReadClear(attributes);
  TSection& below = Add(std::move(cleared));
  Arrange(400);

  EXPECT_EQ(first.Text, std::u32string(1, ImageMarker) + U"text");  // no space after the float
  EXPECT_EQ(first.FlowHeight, 16);
  EXPECT_EQ(first.PaintHeight, 40);
  EXPECT_EQ(first.Lines[0].LineX, 50);
  EXPECT_EQ(beside.Top, 16);
  EXPECT_EQ(beside.Lines[0].LineX, 50);
  EXPECT_EQ(below.Top, 32);
  ASSERT_EQ(below.Lines.size(), 2u);
  EXPECT_EQ(below.Lines[0].Count, 0);
  EXPECT_EQ(below.Lines[0].TextHeight, 8);  // down to the float's bottom at 40
  EXPECT_EQ(below.Lines[1].LineX, 0);
  EXPECT_EQ(below.FlowHeight, 24);
}

TEST_F(LineLayoutTest, ClearValues) {
  const std::pair<std::u32string, TClearKind> cases[] = {
      {U"left", ckLeft}, {U"RIGHT", ckRight}, {U"all", ckBoth}, {U"none", ckBoth},
      {U"leftleftleftleftleft", ckBoth}};
  for (const auto& [value, kind] : cases) {
    TSection section(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
    TAttributeList attributes;
    attributes.Emplace(symClear, 0, value);
    section.ReadClear(attributes);
    EXPECT_EQ(section.ClearKind, kind);
  }
  TSection section(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  section.ReadClear(TAttributeList());
  EXPECT_EQ(section.ClearKind, ckNone);
}

TEST_F(LineLayoutTest, FloatsNarrowTheLinesBesideThem) {
  // A float at the start of the paragraph narrows its first lines at once.
  auto section = Text(U"");
  TFakeImage& image = AddImage(*section, 40, 40, iaLeft);
  section->AppendText(U"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm");
  TSection& paragraph = Add(std::move(section));
  // A float after text on the line takes effect from the next line down.
  auto later = Text(U"nnnn");
  TFakeImage& deferred = AddImage(*later, 30, 20, iaLeft);
  later->AppendText(U"oooo");
  TSection& second = Add(std::move(later));
  TSection& third = AddText(U"pppp");
  Arrange(200);

  // 160 pixels beside the float hold 20 characters.
  EXPECT_EQ(LineTexts(paragraph),
            (std::vector<std::u32string>{std::u32string(1, ImageMarker) + U"aaaa bbbb cccc dddd ",
                                         U"eeee ffff gggg hhhh ", U"iiii jjjj kkkk llll ",
                                         U"mmmm"}));
  EXPECT_EQ(image.FloatOffset, 0);
  EXPECT_EQ(paragraph.Lines[0].LineX, 40);
  EXPECT_EQ(paragraph.Lines[2].LineX, 40);  // y = 32 is still beside the float
  EXPECT_EQ(paragraph.Lines[3].LineX, 0);   // y = 48 is below it
  EXPECT_EQ(paragraph.Lines[0].PaintHeight, 40);
  EXPECT_EQ(paragraph.FlowHeight, 64);

  EXPECT_EQ(second.Top, 64);
  ASSERT_EQ(second.Lines.size(), 1u);
  EXPECT_EQ(second.Lines[0].LineX, 0);
  EXPECT_EQ(second.Lines[0].PaintHeight, 16 + 20);
  EXPECT_EQ(second.PaintHeight, 36);
  EXPECT_EQ(deferred.FloatOffset, 0);
  EXPECT_EQ(third.Lines[0].LineX, 30);
}

TEST_F(LineLayoutTest, ObjectsSetTheLineHeight) {
  auto section = Text(U"ab");
  AddImage(*section, 20, 50, iaBottom);
  AddImage(*section, 20, 30, iaTop);
  TSection& line = Add(std::move(section));
  Arrange(400);
  EXPECT_EQ(line.Lines[0].SpaceAbove, 38);  // 50 + descent 4 - text height 16
  EXPECT_EQ(line.Lines[0].SpaceBelow, 14);
  EXPECT_EQ(line.FlowHeight, 38 + 16 + 14);
  EXPECT_EQ(line.TextWidth(0, 4, false), 2 * Advance + 40);
}

TEST_F(LineLayoutTest, ALineEndsBeforeAnObjectThatDoesNotFit) {
  auto section = Text(U"aaaaaaaaaaa");
  AddImage(*section, 20, 10, iaMiddle);
  TSection& line = Add(std::move(section));
  Arrange(100);
  ASSERT_EQ(line.Lines.size(), 2u);
  EXPECT_EQ(line.Lines[0].Count, 11);
  EXPECT_EQ(line.Lines[1].Count, 1);
  EXPECT_EQ(line.Lines[1].TextHeight, 0);  // a line of objects only
}

TEST_F(LineLayoutTest, LeadingSpacesAreDroppedOutsidePreformattedText) {
  TSection& text = AddText(U" a");
  text.AppendText(U" b");
  text.AppendText(U"c ");
  text.AppendText(U" d");
  text.AppendText(U"");
  EXPECT_EQ(text.Text, U"a bc d");
  auto pre = std::make_unique<TPreFormated>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  pre->AppendText(U"  a ");
  pre->AppendText(U" b");
  EXPECT_EQ(pre->Text, U"  a  b");
}

TEST_F(LineLayoutTest, EnsureTextGivesAnEmptyLineItsHeight) {
  auto empty = Text(U"", jRight);
  EXPECT_EQ(empty->EnsureText(), jRight);
  EXPECT_EQ(empty->Text, U" ");
  empty->AppendText(U" x");  // the stored space stays; the new leading one goes
  EXPECT_EQ(empty->Text, U" x");
  TSection& blank = Add(Text(U""));
  blank.EnsureText();
  EXPECT_EQ(Arrange(400), 16);
}

TEST_F(LineLayoutTest, ASectionKeepsAllOfItsText) {
  // A paragraph far beyond 20000 characters, appended word by word.
  TSection& section = AddText(U"start");
  std::u32string expected = U"start";
  for (int i = 0; i < 12000; ++i) {
    section.AppendText(U" word");
    expected += U" word";
  }
  section.AppendText(U" end");
  expected += U" end";
  TSection& line = AddText(std::u32string(30000, U'z'));
  int maxWidth = 0, curs = 0;
  Document.Arrange(*Canvas, 0, 400, maxWidth, curs);
  EXPECT_EQ(section.Text, expected);
  EXPECT_EQ(section.PosCount, int(expected.size()));
  int counted = 0;
  for (const LineRec& rec : section.Lines) counted += rec.Count;
  EXPECT_EQ(counted, int(expected.size()));
  std::u32string joined;
  for (const std::u32string& text : LineTexts(section)) joined += text;
  EXPECT_EQ(joined, expected);
  EXPECT_EQ(line.Text.size(), 30000u);
  EXPECT_EQ(curs, int(expected.size()) + 30000);
}

TEST_F(LineLayoutTest, PreformattedLinesAreNotWrapped) {
  auto pre = std::make_unique<TPreFormated>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  pre->AppendText(U"a b c d e f g h i j k l m n o p q r s t u v w x y z");
  TPreFormated& section = *pre;
  Document.AddSection(std::move(pre));
  int maxWidth = 0, curs = 0;
  Document.Arrange(*Canvas, 0, 100, maxWidth, curs);
  EXPECT_EQ(section.Lines.size(), 1u);
  EXPECT_EQ(maxWidth, 51 * Advance);  // the line widens the document
  int minWidth = 0;
  section.MeasureWidths(*Canvas, minWidth, maxWidth);
  EXPECT_EQ(minWidth, 51 * Advance);
  auto empty = std::make_unique<TPreFormated>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  TPreFormated& blank = *empty;
  Document.AddSection(std::move(empty));
  EXPECT_EQ(blank.Text, U" ");
}

TEST_F(LineLayoutTest, WidthsForTableColumns) {
  auto section = std::make_unique<TSection>(Document.RunFonts, 1, jLeft, nullptr, BaseFont());
  section->AppendText(U"ab abcdef abc");
  AddImage(*section, 100, 10, iaLeft, 5);
  TSection& measured = Add(std::move(section));
  int minWidth = 0, maxWidth = 0;
  measured.MeasureWidths(*Canvas, minWidth, maxWidth);
  EXPECT_EQ(minWidth, 6 * Advance + 105 + 35);  // longest word, floats, level indent
  EXPECT_EQ(maxWidth, 13 * Advance + 105 + 35);
}
