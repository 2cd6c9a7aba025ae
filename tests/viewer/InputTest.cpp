// Pointer and key input: cursors, link events, selection, auto-scroll, find and copy.
#include "ViewerFixture.h"

#include <algorithm>

// Characters of the first line start at x = 10 (the margin) and advance 8 pixels; the line
// runs from panel y 5 to 21.
namespace {
constexpr int Row = 10;
int Left(int index) { return 10 + 8 * index + 1; }  // in the left half of the character
}  // namespace

TEST_F(ViewerTest, CoveringLinksFiresOncePerLinkAndSetsTheCursor) {
  Show("<a href=\"one.htm\">one</a><a href=\"two.htm\">two</a> plain");
  std::vector<std::u32string> covered;
  Viewer->OnHotSpotCovered = [&](TriruRedu*, const std::u32string& src) { covered.push_back(src); };
  Panel().MoveMouse(Left(0), Row);
  Panel().MoveMouse(Left(1), Row);
  EXPECT_EQ(Panel().Cursor(), crHand);
  Panel().MoveMouse(Left(3), Row);
  Panel().MoveMouse(Left(7), Row);
  EXPECT_EQ(Panel().Cursor(), crIBeam);
  Panel().MoveMouse(Left(30), Row);
  EXPECT_EQ(Panel().Cursor(), crArrow);
  EXPECT_EQ(covered, (std::vector<std::u32string>{U"one.htm", U"two.htm", U""}));
  EXPECT_EQ(Viewer->HotSpotUrl(), U"");
}

TEST_F(ViewerTest, DraggingSelectsAndNeverFollowsTheLinkItEndsOn) {
  Show("Hello <a href=\"x.htm\">world</a> again");
  int clicks = 0;
  Viewer->OnHotSpotClick = [&](TriruRedu*, const std::u32string&, bool& handled) {
    handled = true;
    ++clicks;
  };
  Panel().Drag({Left(1), Row}, {Left(8), Row}, 4);
  EXPECT_EQ(SelectionStart(), 1);
  EXPECT_EQ(SelectionEnd(), 8);
  EXPECT_EQ(clicks, 0);
  // Backwards from the anchor.
  Panel().Drag({Left(8), Row}, {Left(2), Row}, 2);
  EXPECT_EQ(SelectionStart(), 2);
  EXPECT_EQ(SelectionEnd(), 8);
  // A plain click on the link follows it and leaves an empty selection at the click.
  Panel().Click(mbLeft, Left(7), Row);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SelectionStart(), 7);
  EXPECT_EQ(SelectionEnd(), 7);

  // Without selection, drags select nothing and repaint nothing, but links still work.
  Viewer->SetNoSelect(true);
  Paint();
  Panel().Drag({Left(1), Row}, {Left(4), Row}, 2);
  EXPECT_EQ(SelectionStart(), SelectionEnd());
  EXPECT_TRUE(Panel().Invalid().IsEmpty());
  Panel().Click(mbLeft, Left(7), Row);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ViewerTest, DoubleClickSelectsAWholeWord) {
  Show("caf\xc3\xa9s-au lait");  // "cafés-au lait"
  Panel().DoubleClickAt(mbLeft, Left(2), Row);
  EXPECT_EQ(SelectionStart(), 0);
  EXPECT_EQ(SelectionEnd(), 5);
  Panel().DoubleClickAt(mbLeft, Left(10), Row);
  EXPECT_EQ(SelectionStart(), 9);
  EXPECT_EQ(SelectionEnd(), 13);
  // A blank selects nothing: the click itself left an empty selection.
  Panel().DoubleClickAt(mbLeft, Left(8), Row);
  EXPECT_EQ(SelectionStart(), SelectionEnd());

  // Words of other scripts are words too; a dash between them ends one.
  Show("\xce\xb1\xce\xb2\xce\xb3\xe2\x80\x94\xd0\xb4\xd0\xb5");  // "αβγ—де"
  Panel().DoubleClickAt(mbLeft, Left(1), Row);
  EXPECT_EQ(SelectionStart(), 0);
  EXPECT_EQ(SelectionEnd(), 3);
  Panel().DoubleClickAt(mbLeft, Left(5), Row);
  EXPECT_EQ(SelectionStart(), 4);
  EXPECT_EQ(SelectionEnd(), 6);
}

TEST_F(ViewerTest, DraggingOutsideThePanelScrollsUntilReleased) {
  Show(Lines(100));
  Windowing.PressKey(vkEnd);
  const int bottom = Viewer->VScrollPos();
  Paint();
  Panel().PressMouse(mbLeft, Left(2), 200);
  Panel().MoveMouse(Left(2), -20);
  EXPECT_EQ(Windowing.RunPosted(), 1);
  EXPECT_EQ(Viewer->VScrollPos(), bottom - 128);
  Windowing.AdvanceTime(100);
  EXPECT_EQ(Viewer->VScrollPos(), bottom - 256);
  // Closer to the panel, slower.
  Panel().MoveMouse(Left(2), -5);
  Windowing.AdvanceTime(100);
  EXPECT_EQ(Viewer->VScrollPos(), bottom - 272);
  // The selection runs from the press (line 94, character 2) up to the top line shown
  // (line 64, character 2); "Line 0".."Line 9" hold 6 positions, the later lines 7.
  EXPECT_EQ(SelectionStart(), 60 + 7 * 54 + 2);
  EXPECT_EQ(SelectionEnd(), 60 + 7 * 84 + 2);
  Panel().ReleaseMouse(mbLeft, Left(2), -5);
  Windowing.AdvanceTime(300);
  EXPECT_EQ(Viewer->VScrollPos(), bottom - 272);
}

TEST_F(ViewerTest, RightClicksReportWhatIsUnderThePointer) {
  Show("<a href=\"x.htm\" target=\"main\">link</a> text");
  std::vector<TRightClickParameters> clicks;
  Viewer->OnRightClick = [&](TriruRedu*, const TRightClickParameters& p) { clicks.push_back(p); };
  Panel().Click(mbRight, Left(1), Row);
  Panel().Click(mbRight, 300, 200);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].Url, U"x.htm");
  EXPECT_EQ(clicks[0].Target, U"main");
  EXPECT_EQ(clicks[1].Url, U"");
  EXPECT_EQ(clicks[1].ImageObj, nullptr);
  EXPECT_EQ(clicks[1].ImageX, 0);
}

TEST_F(ViewerTest, FindSelectsMatchesFromTheCaretOnAndBringsThemIntoView) {
  Show("A word, a WORD and a Word.<br>" + Lines(40) + "target<br>" + Lines(40));
  EXPECT_TRUE(Viewer->FindNextText(U"WORD", true));
  EXPECT_EQ(SelectionStart(), 10);
  EXPECT_EQ(SelectionEnd(), 14);
  EXPECT_FALSE(Viewer->FindNextText(U"WORD", true));
  Viewer->SelectAllText();
  Panel().Click(mbLeft, Left(0), Row);  // the caret back at the start
  for (const int expected : {2, 10, 21}) {
    EXPECT_TRUE(Viewer->FindNextText(U"WORD", false));
    EXPECT_EQ(SelectionStart(), expected);
  }
  EXPECT_FALSE(Viewer->FindNextText(U"", false));
  // A match far down is scrolled to mid-height: its line is 41 lines down.
  EXPECT_TRUE(Viewer->FindNextText(U"target", true));
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 41 * 16 - 298 / 2);
}

TEST_F(ViewerTest, CopyKeepsIndentationAndLongSelectionsWhole) {
  Show("<ul><li>item one<li>two</ul>");
  Viewer->SelectAllText();
  Viewer->CopySelectedText();
  EXPECT_EQ(Windowing.Clipboard().Text(), std::optional<std::u32string>(U"   item one\n   two\n"));

  // Far more than 32500 characters arrive whole.
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "abcdefghi ";
  Show(many);
  Viewer->SelectAllText();
  Viewer->CopySelectedText();
  const std::u32string copied = Windowing.Clipboard().Text().value_or(U"");
  EXPECT_GE(copied.size(), 49999u);
  EXPECT_EQ(std::count(copied.begin(), copied.end(), U'i'), 5000);
}
