#include "DocumentFixture.h"

#include "html/document/BlockSpaces.h"
#include "html/document/HorzLine.h"
#include "html/document/ListItems.h"
#include "html/document/PreFormated.h"
#include "platform/headless/HeadlessWindowing.h"

namespace {

// Characters of the 12-point test font are 8 pixels wide.
class FindCopyTest : public DocumentTest {
 protected:
  std::u32string Copy(int start, int end) {
    Document.SelectionStart = start;
    Document.SelectionEnd = end;
    return Document.SelectedText();
  }
};

}  // namespace

TEST_F(FindCopyTest, SearchWithAndWithoutLetterCase) {
  AddText(U"The quick brown FOX");  // 0-18
  Document.AddSection(std::make_unique<TParagraphSpace>());
  AddText(U"jumps over the fox.");  // 19-37
  AddText(U"Fox and FOXES");        // 38-50
  AddText(U"Une école");            // 51-59
  Arrange(400);

  const auto find = [&](int start, std::u32string_view text, bool matchCase) {
    return Document.SearchText(start, text, matchCase);
  };
  EXPECT_EQ(find(0, U"FOX", true), 16);
  EXPECT_EQ(find(17, U"FOX", true), 46);
  EXPECT_EQ(find(0, U"fox", true), 34);
  EXPECT_EQ(find(0, U"ÉCOLE", true), -1);
  EXPECT_EQ(find(17, U"FOX", false), 34);
  EXPECT_EQ(find(35, U"FOX", false), 38);
  EXPECT_EQ(find(0, U"ÉCOLE", false), 55);
  // Not found: text running on into the next paragraph, a start past the only match, text
  // longer than any section, a start beyond the end, no text.
  for (bool matchCase : {true, false})
    for (const auto& [start, text] : {std::pair{0, U"FOX jumps"}, {11, U"brown"},
                                      {0, U"The quick brown FOX jumps"}, {60, U"e"}, {0, U""}})
      EXPECT_EQ(find(start, text, matchCase), -1);
}

TEST_F(FindCopyTest, CopyAcrossParagraphsSpacesAndRules) {
  AddText(U"first para here");  // lines "first para " (0-10) and "here" (11-14)
  Document.AddSection(std::make_unique<TParagraphSpace>());
  TSection& second = AddText(U"sec");
  second.InsertImage(std::make_unique<TFakeImage>(10, 10, iaBottom));
  second.AppendText(U"ond");  // 15-21, the image at 18
  Document.AddSection(std::make_unique<THorzLine>(TAttributeList{}));
  AddText(U"third");  // 22-26
  Arrange(100);

  EXPECT_EQ(Copy(6, 24), U"para \nhere\n\nsecond\n\nth");
  EXPECT_EQ(Copy(0, 15), U"first para \nhere\n");
  // A selection that starts at a line or paragraph start takes no line break from before it.
  EXPECT_EQ(Copy(11, 13), U"he");
  EXPECT_EQ(Copy(15, 17), U"se");

  THeadlessClipboard clipboard;
  Document.SelectionStart = 6;
  Document.SelectionEnd = 24;
  Document.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.Text(), U"para \nhere\n\nsecond\n\nth");
  // An empty selection leaves the clipboard as it was.
  for (const auto& [start, end] : {std::pair{5, 5}, {9, 3}}) {
    EXPECT_EQ(Copy(start, end), U"");
    Document.CopyToClipboard(clipboard);
    EXPECT_EQ(clipboard.Text(), U"para \nhere\n\nsecond\n\nth");
  }
}

TEST_F(FindCopyTest, CopyKeepsIndentationAndPreformattedSpaces) {
  // At 135 pixels a first-level item has 100: "alpha beta " (0-10) and "gamma" (11-15).
  AddText<TUListItem>(U"alpha beta gamma", 1, nullptr, BaseFont());
  AddText<TUListItem>(U"three", 2, nullptr, BaseFont());          // 16-20
  AddText<TOListItem>(U"four", 1, nullptr, BaseFont(), U'A', 1);  // 21-24
  const std::u32string code = U"  return x;  // a comment that runs past the window";
  AddText<TPreFormated>(code, 0, jLeft, nullptr, BaseFont());
  AddText<TPreFormated>(U"", 0, jLeft, nullptr, BaseFont());  // holds one space
  Arrange(135);

  EXPECT_EQ(Copy(0, 100), U"   alpha beta \n   gamma\n      three\n   four\n" + code + U"\n \n");
  EXPECT_EQ(Copy(6, 23), U"beta \n   gamma\n      three\n   fo");  // no spaces mid-line
}

TEST_F(FindCopyTest, ALongSelectionIsCopiedWhole) {
  // 1000 lines of 50 characters, then a short paragraph: far more than 32500 characters.
  std::u32string words;
  for (int i = 0; i < 10000; ++i) words += U"abcd ";
  AddText(words);
  AddText(U"tail");
  Arrange(400);

  std::u32string expected;
  for (int line = 0; line < 1000; ++line) expected += words.substr(0, 50) + U"\n";
  expected += U"tail\n";
  EXPECT_EQ(Copy(0, 50004), expected);
  THeadlessClipboard clipboard;
  Document.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.Text(), expected);
}
