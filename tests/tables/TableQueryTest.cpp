// Queries through cells: hit testing, links and images, find, copy, and the viewer's use of
// them in document coordinates (also when scrolled sideways), and the overflow message box.
#include "TableFixture.h"

#include "ViewerFixture.h"
#include "html/document/InlineObjects.h"

namespace {

// Default spacing 2 and padding 1: columns 44 ("three" + 4) and 28 ("two" + 4), rows 20 high.
// Cell "one" has its text at (3, 3), "two" at (47, 3), "three" at (3, 23); positions: "one"
// 0-2, "two" 3-5, "three" 6-10.
constexpr std::string_view Grid =
    "<table><tr><td>one<td><a href=\"two.htm\">two</a><tr><td>three<td></table>";

// An image of a fixed size that remembers where it was drawn and answers clicks with a link,
// as an image with a client-side map does.
class TMapImage : public TInlineImage {
 public:
  TMapImage() {
    ImageWidth = 20;
    ImageHeight = 10;
    Align = iaTop;
  }
  void ComputeSize(TSectionList&, TCanvas&, int, const TFontObj&) override {}
  void DrawImage(TCanvas&, int x, const TFontObj&, int, int top) override { DrawnX = x, DrawnTop = top; }
  bool ContainsPoint(int x, int y, int& xIn, int& yIn) const override {
    xIn = x - DrawnX;
    yIn = y - DrawnTop;
    return xIn >= 0 && xIn < ImageWidth && yIn >= 0 && yIn < ImageHeight;
  }
  bool AnswersClick(int xIn, int, TInlineControl*&, std::optional<TUrlTarget>& link) override {
    if (xIn < 10) link.emplace().Url = U"left-area.htm";
    return true;
  }
  int DrawnX = -1000, DrawnTop = -1000;
};

}  // namespace

TEST_F(TableTest, PointQueriesAnswerInsideCells) {
  Build(std::string(Grid));
  Render();
  int caretX = 0, caretY = 0, height = 0;
  bool inText = false;
  TCell* cell = nullptr;
  EXPECT_EQ(Document.PositionAt(*Canvas, 56, 10, caretX, caretY, height, cell, inText), 4);
  EXPECT_EQ(caretX, 55);
  EXPECT_EQ(caretY, 3);
  EXPECT_EQ(cell, &CellAt(Table(), 0, 1));
  EXPECT_EQ(Document.PositionAt(*Canvas, 20, 30, caretX, caretY, height, cell, inText), 8);
  EXPECT_EQ(caretY, 23);
  EXPECT_EQ(Document.PositionAt(*Canvas, 60, 30, caretX, caretY, height, cell, inText), -1);
  int x = 0, y = 0;
  ASSERT_TRUE(Document.PositionToPoint(*Canvas, 7, x, y));
  EXPECT_EQ(x, 11);
  EXPECT_EQ(y, 23);

  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  ASSERT_TRUE(Document.LinkAt(*Canvas, 50, 10, control, link));
  EXPECT_EQ(link->Url, U"two.htm");
  EXPECT_FALSE(Document.LinkAt(*Canvas, 10, 10, control, link));
  EXPECT_FALSE(Document.LinkAt(*Canvas, 80, 10, control, link));  // right of the table

  // An image in a cell answers with its map's link.
  TFontDesc font;
  font.Name = Document.FontName;
  font.Size = Document.FontSize;
  auto section = std::make_unique<TSection>(Document.RunFonts, 0, jLeft, nullptr, TMyFont(font));
  auto image = std::make_unique<TMapImage>();
  TMapImage& map = *image;
  section->InsertImage(std::move(image));
  CellAt(Table(), 1, 1).AddSection(std::move(section));
  Arrange(600);
  Render();
  ASSERT_EQ(map.DrawnX, 44 + 2 + 1);
  ASSERT_TRUE(Document.LinkAt(*Canvas, map.DrawnX + 2, map.DrawnTop + 2, control, link));
  EXPECT_EQ(link->Url, U"left-area.htm");
  EXPECT_FALSE(Document.LinkAt(*Canvas, map.DrawnX + 12, map.DrawnTop + 2, control, link));
  TInlineImage* found = nullptr;
  int xIn = 0, yIn = 0;
  ASSERT_TRUE(Document.ImageAt(map.DrawnX + 12, map.DrawnTop + 3, found, xIn, yIn));
  EXPECT_EQ(found, &map);
  EXPECT_EQ(xIn, 12);
  EXPECT_EQ(yIn, 3);
}

TEST_F(TableTest, FindAndCopyRunThroughTheCellsInOrder) {
  Build("<table><caption align=bottom>cap</caption><tr><td>one<td>two<tr><td>three</table>end");
  // Positions: "one" 0-2, "two" 3-5, "three" 6-10, the bottom caption 11-13, "end" 14-16.
  EXPECT_EQ(Document.SearchText(0, U"THREE", false), 6);
  EXPECT_EQ(Document.SearchText(4, U"t", true), 6);
  EXPECT_EQ(Document.SearchText(0, U"cap", true), 11);
  EXPECT_EQ(Document.SearchText(0, U"onetwo", false), -1);  // a match never spans cells
  Document.SelectionStart = 1;
  Document.SelectionEnd = 15;
  EXPECT_EQ(Document.SelectedText(), U"ne\ntwo\nthree\ncap\ne");
  char32_t ch = 0;
  TSectionBase* owner = nullptr;
  ASSERT_TRUE(Document.CharAt(12, ch, owner));
  EXPECT_EQ(ch, U'a');
}

// The viewer's queries go through the same frame: a link in a cell is found at the panel point
// it is drawn at, also after scrolling sideways; the page starts at margin (10, 5).
TEST_F(ViewerTest, ClicksReachIntoCellsAlsoScrolledSideways) {
  Show("<table><tr><td width=600>wide<td><a href=\"t.htm\">link</a></table>");
  std::vector<std::u32string> clicked;
  Viewer->OnHotSpotClick = [&](TriruRedu*, const std::u32string& url, bool& handled) {
    clicked.push_back(url);
    handled = true;
  };
  // Columns 604 (600 + spacing and padding) and 36: the link's text starts at document x
  // 10 + 604 + 3, right of the panel until the page is scrolled sideways.
  ASSERT_TRUE(Viewer->HScrollBar().Visible());
  auto& bar = static_cast<THeadlessScrollBar&>(Viewer->HScrollBar());
  for (int i = 0; i < 20; ++i) bar.Scroll(scLineDown);
  Paint();
  const int scrolled = Viewer->HScrollPos();
  ASSERT_GT(scrolled, 250);
  Panel().Click(mbLeft, 10 + 604 + 3 + 4 - scrolled, 5 + 10);
  EXPECT_EQ(clicked, (std::vector<std::u32string>{U"t.htm"}));
}

// "one" starts at panel x 10 + 2 + 1 and "two" 28 further right, both at y 5 + 3.
TEST_F(ViewerTest, DraggingSelectsAcrossCells) {
  Show("<table><tr><td>one<td>two</table>");
  Panel().Drag({13 + 8 + 1, 12}, {41 + 16 + 1, 12}, 3);
  EXPECT_EQ(SelectionStart(), 1);
  EXPECT_EQ(SelectionEnd(), 5);
  Viewer->CopySelectedText();
  EXPECT_EQ(Windowing.Clipboard().Text(), std::optional<std::u32string>(U"ne\ntw"));
}

// Text after the body's end strays out of the open cell; the cell keeps what it holds, so a
// refused table takes its controls with it and the page draws without them.
TEST_F(ViewerTest, AControlInARefusedTableGoesWithItWhenTextStraysOut) {
  Show("<table><td colspan=33><input type=radio name=r></body>\nafter");
  ASSERT_EQ(Windowing.Messages().size(), 1u);
  Viewer->SelectAllText();
  Viewer->CopySelectedText();
  EXPECT_EQ(Windowing.Clipboard().Text(), std::optional<std::u32string>(U"after\n"));
}

// The overflow goes through the viewer's message box, and the page shows the rest.
TEST_F(ViewerTest, ATableWithTooManyColumnsIsReportedAndDropped) {
  std::string html = "<a name=keep>k</a><table><tr><td><a name=gone>g</a>";
  for (int i = 0; i < 31; ++i) html += "<td>c";
  Show(html + "</table>rest");
  ASSERT_EQ(Windowing.Messages().size(), 1u);
  EXPECT_EQ(Windowing.Messages()[0].Text, "Table has too many Columns");
  EXPECT_TRUE(Viewer->ScrollToAnchor(U"keep"));
  EXPECT_FALSE(Viewer->ScrollToAnchor(U"gone"));
  Viewer->SelectAllText();
  Viewer->CopySelectedText();
  EXPECT_EQ(Windowing.Clipboard().Text(), std::optional<std::u32string>(U"k\nrest\n"));
}
