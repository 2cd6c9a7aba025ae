#include "DocumentFixture.h"

#include "html/document/BidiText.h"
#include "html/document/JoinedForms.h"

namespace {

// The characters of text in the order runs draw them, left to right (not mirrored).
std::u32string Drawn(std::u32string_view text, const std::vector<TVisualRun>& runs) {
  std::u32string drawn;
  for (const TVisualRun& run : runs)
    for (int i = 0; i < run.Count; ++i)
      drawn += text[std::size_t(run.RightToLeft ? run.Start + run.Count - 1 - i : run.Start + i)];
  return drawn;
}

// text laid out as one line, as drawn.
std::u32string OneLine(std::u32string_view text, bool rightToLeft) {
  const auto lines = ReorderLines(text, rightToLeft, {{0, int(text.size())}});
  EXPECT_EQ(lines.size(), 1u);
  return lines.empty() ? std::u32string() : Drawn(text, lines[0]);
}

// Characters of the 12-point test font are 8 pixels wide; glyphs are boxes 7 pixels wide over
// the rows baseline - 12 .. baseline - 1, and the first line's baseline is at 12.
class RightToLeftTest : public DocumentTest {
 protected:
  void SetUp() override {
    Document.SetDefaults(Document.FontName, Document.PreFontName, 12, clBlack, clBlue, clWhite);
  }
  TSection& AddRightToLeft(std::u32string_view text) {
    auto section = std::make_unique<TSection>(Document.RunFonts, 0, jRight, nullptr, BaseFont());
    section->RightToLeft = true;
    section->AppendText(text);
    TSection& result = *section;
    Document.AddSection(std::move(section));
    return result;
  }
  // Position, caret x and in-text (0 or 1) at a point.
  std::array<int, 3> CaretAt(int x, int y) {
    int caretX = -1, caretY = -1, height = -1;
    bool inText = false;
    TCell* cell = nullptr;
    const int pos = Document.PositionAt(*Canvas, x, y, caretX, caretY, height, cell, inText);
    return {pos, caretX, inText};
  }
  int CaretX(int position) {
    int x = -1, y = -1;
    EXPECT_TRUE(Document.PositionToPoint(*Canvas, position, x, y));
    return x;
  }
};

using Caret = std::array<int, 3>;

}  // namespace

TEST(BidiText, RightToLeftLettersAndControlsStartReordering) {
  for (char32_t ch : {U'ש', U'م', U'\u200F', U'\u202B', U'\u202E', U'\u2067', U'\U00010900'})
    EXPECT_TRUE(StartsRightToLeft(ch)) << std::hex << std::uint32_t(ch);
  for (char32_t ch : {U'a', U'(', U'1', U'١', U'\u202A', U'\u2066', U'中', char32_t(0x110000)})
    EXPECT_FALSE(StartsRightToLeft(ch)) << std::hex << std::uint32_t(ch);
}

TEST(BidiText, MixedLinesRunInReadingOrder) {
  // A Hebrew phrase in Latin text reads right to left where it stands.
  EXPECT_EQ(OneLine(U"ab אבג cd", false), U"ab גבא cd");
  // Numbers inside Arabic keep their digits left to right; the words around them swap.
  EXPECT_EQ(OneLine(U"مرحبا 123 عالم", true), U"ملاع 123 ابحرم");
  // Latin in a right-to-left paragraph stays in its order, right of the Hebrew before it.
  EXPECT_EQ(OneLine(U"שלום big world", true), U"big world םולש");
  const auto runs = ReorderLines(U"ab אבג cd", false, {{0, 9}});
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], (std::vector<TVisualRun>{{0, 3, false}, {3, 3, true}, {6, 3, false}}));
}

TEST(BidiText, SpacesEndingALineTakeTheBaseDirection) {
  const std::u32string text = U"abc אבג דה";
  // Broken after "אבג ": the space ends the first line, so it stands at its right end, not
  // between the Hebrew words.
  const auto lines = ReorderLines(text, false, {{0, 8}, {8, 2}, {10, 0}});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Drawn(text, lines[0]), U"abc גבא ");
  EXPECT_EQ(Drawn(text, lines[1]), U"הד");
  EXPECT_TRUE(lines[2].empty());
  // In right-to-left text it stands at the left end.
  EXPECT_EQ(OneLine(U"אב גד ", true), U" דג בא");
}

TEST(BidiText, IndexesCountCharacters) {
  // Phoenician letters lie beyond the basic plane and read right to left.
  EXPECT_EQ(OneLine(U"a 𐤀𐤁 b", false), U"a 𐤁𐤀 b");
  // Objects and values that are no character take one index each.
  const std::u32string odd{U'א', ImageMarker, U'ב', char32_t(0xDC00), U'c'};
  EXPECT_EQ(OneLine(odd, false), (std::u32string{U'ב', ImageMarker, U'א', char32_t(0xDC00), U'c'}));
}

TEST_F(RightToLeftTest, VisualTextShowsTheDrawingOrder) {
  TSection& hebrew = AddRightToLeft(U"(שלום) עולם");
  TSection& arabic = AddRightToLeft(U"مرحبا 123 عالم");
  TSection& latin = AddText(U"plain");
  Arrange(400);
  EXPECT_EQ(hebrew.VisualText(hebrew.Lines[0]), U"םלוע (םולש)");
  EXPECT_EQ(arabic.VisualText(arabic.Lines[0]), U"ملاع 123 ابحرم");
  EXPECT_EQ(latin.VisualText(latin.Lines[0]), U"plain");
  EXPECT_FALSE(latin.VisualRuns(latin.Lines[0]));
}

TEST_F(RightToLeftTest, ARightToLeftParagraphEndsAtTheRightLimit) {
  // 60 pixels hold 7 characters: "שלום " and "עולם". The first line's space stands at its
  // left end, so its text ends at the right limit like the second line's.
  TSection& section = AddRightToLeft(U"שלום עולם");
  Arrange(60);
  ASSERT_EQ(section.Lines.size(), 2u);
  EXPECT_EQ(section.Lines[0].LineX, 60 - 32 - 1);
  EXPECT_EQ(section.Lines[1].LineX, 60 - 32 - 1);
  RenderAll();
  EXPECT_EQ(CaretX(0), 59);   // before "ש": its right edge
  EXPECT_EQ(CaretX(3), 35);   // before "ם"
  EXPECT_EQ(CaretX(4), 27);   // before the space, which reads right to left too
  EXPECT_EQ(CaretX(5), 59);   // before "ע", on the next line
  // Glyphs of the first line stand at 27 .. 58, none over the space left of them.
  EXPECT_EQ(Surface.Pixel(27, 5), clBlack);
  EXPECT_EQ(Surface.Pixel(57, 5), clBlack);
  EXPECT_EQ(Surface.Pixel(22, 5), clWhite);
}

TEST_F(RightToLeftTest, HitTestingMapsBackToStoredPositions) {
  // Drawn "ab גבא cd": a 0, b 8, space 16, ג 24, ב 32, א 40, space 48, c 56, d 64; "בג" is
  // a link.
  auto section = MakeSection();
  section->AppendText(U"ab א");
  TUrlTarget link;
  link.Url = U"target.htm";
  section->SetLink(symHref, Document, BaseFont(), &link);
  section->AppendText(U"בג");
  section->SetLink(symAnchorEnd, Document, BaseFont(), nullptr);
  section->AppendText(U" cd");
  Document.AddSection(std::move(section));
  Arrange(400);
  RenderAll();
  // The half of a character where its reading starts puts the caret before it.
  EXPECT_EQ(CaretAt(26, 5), (Caret{6, 24, 1}));  // left half of ג: after it
  EXPECT_EQ(CaretAt(30, 5), (Caret{5, 32, 1}));  // right half of ג: before it
  EXPECT_EQ(CaretAt(44, 5), (Caret{3, 48, 1}));  // right half of א
  EXPECT_EQ(CaretAt(60, 5), (Caret{7, 56, 1}));  // left half of c
  EXPECT_EQ(CaretAt(300, 5), (Caret{9, 72, 0}));
  EXPECT_EQ(CaretX(4), 40);
  EXPECT_EQ(CaretX(7), 56);

  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> found;
  EXPECT_TRUE(Document.LinkAt(*Canvas, 28, 5, control, found));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Url, U"target.htm");
  found.reset();
  EXPECT_FALSE(Document.LinkAt(*Canvas, 44, 5, control, found));
}

TEST_F(RightToLeftTest, ObjectsAndSelectionFollowTheDrawingOrder) {
  // "אב", a 20-pixel image, "גד": drawn ד 0, ג 8, the image 16, ב 36, א 44.
  auto section = MakeSection();
  section->AppendText(U"אב");
  auto& image = static_cast<TFakeImage&>(
      section->InsertImage(std::make_unique<TFakeImage>(20, 10, iaBottom)));
  section->AppendText(U"גד");
  Document.AddSection(std::move(section));
  Arrange(400);
  // The selection holds stored positions 0 .. 1, "אב", which stand at 36 .. 51.
  Document.SelectionStart = 0;
  Document.SelectionEnd = 2;
  RenderAll();
  EXPECT_EQ(image.DrawnX, 16);
  EXPECT_EQ(Surface.Pixel(36, 14), clBlack);  // below the baseline: only the highlight
  EXPECT_EQ(Surface.Pixel(51, 14), clBlack);
  EXPECT_EQ(Surface.Pixel(10, 14), clWhite);
  EXPECT_EQ(Surface.Pixel(52, 14), clWhite);
}

TEST_F(RightToLeftTest, CopyGivesStoredOrderWithoutAlignmentSpaces) {
  AddRightToLeft(U"שלום world");
  AddText(U"ab אבג cd");
  Arrange(400);
  Document.SelectionStart = 0;
  Document.SelectionEnd = 19;
  EXPECT_EQ(Document.SelectedText(), U"שלום world\nab אבג cd\n");
}

TEST(JoinedForms, ArabicLettersTakeTheFormsTheirNeighboursCallFor) {
  EXPECT_TRUE(JoinsNeighbours(U'س'));
  EXPECT_FALSE(JoinsNeighbours(U'ש'));
  EXPECT_FALSE(JoinsNeighbours(U'١'));
  // Initial, medial and final forms; an isolated letter keeps its isolated form.
  EXPECT_EQ(JoinedForms(U"بيت و"), U"\uFE91\uFEF4\uFE96 \uFEED");
  // A lam before an alef joins with it into one ligature; a zero-width space keeps the length.
  EXPECT_EQ(JoinedForms(U"سلام"), U"\uFEB3\uFEFC\u200B\uFEE1");
  // Objects, other scripts and values that are no character stay as they are.
  const std::u32string odd{U'ب', ImageMarker, U'ب', U'\U00010900', char32_t(0xD800), U'x'};
  EXPECT_EQ(JoinedForms(odd),
            (std::u32string{U'\uFE8F', ImageMarker, U'\uFE8F', U'\U00010900', char32_t(0xD800), U'x'}));
}

TEST(BidiText, LongParagraphsAndLinesAreResolvedInPieces) {
  // Three lines of 3000 Hebrew letters: resolved a line or two at a time, each reads right to
  // left.
  const std::u32string hebrew(3000, U'א');
  const std::u32string text = hebrew + hebrew + hebrew;
  const auto lines = ReorderLines(text, false, {{0, 3000}, {3000, 3000}, {6000, 3000}});
  ASSERT_EQ(lines.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(lines[i], (std::vector<TVisualRun>{{int(i) * 3000, 3000, true}}));
  // One line of 9000 letters in right-to-left text: its pieces stand right to left too.
  std::u32string longLine;
  for (int i = 0; i < 9000; ++i) longLine += char32_t(U'א' + i % 27);
  const auto one = ReorderLines(longLine, true, {{0, 9000}});
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(Drawn(longLine, one[0]), std::u32string(longLine.rbegin(), longLine.rend()));
}
