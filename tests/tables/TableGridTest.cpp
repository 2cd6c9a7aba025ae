// The grid: spans and their fillers, the column limit, row heights with row spans and
// vertical alignment, floating tables, and what an empty cell draws.
#include "TableFixture.h"

#include "html/support/Errors.h"

namespace {
std::string Row(int cells) {
  std::string row = "<tr>";
  for (int i = 0; i < cells; ++i) row += "<td>c";
  return row;
}
}  // namespace

TEST_F(TableTest, SpansReserveTheirSlotsWithFillers) {
  // A ROWSPAN=2 cell in column 0 pushes the next row's first cell to column 1; a 2 x 2 cell
  // takes four slots; a ROWSPAN past the last row is clipped; a cell before any TR opens a row.
  Build("<table><tr><td rowspan=2>a<td>b<tr><td>c</table>"
        "<table><tr><td colspan=2 rowspan=2>x<td>y<tr><td>z</table>"
        "<table><td rowspan=9>p<td>q</table>"
        "<table><tr><td rowspan=3>a<td>b<tr><td>c<td rowspan=5>d<tr><td>e</table>");
  EXPECT_EQ(Spans(Table(0), 1), (std::vector<int>{0, 1}));
  EXPECT_EQ(TextOf(CellAt(Table(0), 1, 1)), U"c");
  EXPECT_EQ(Table(0).NumCols, 2);
  EXPECT_EQ(Spans(Table(1), 0), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(Spans(Table(1), 1), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(Table(1).Rows[0]->Cells[1]->RowSpan, 2);  // the column filler carries the row span
  EXPECT_EQ(Table(1).NumCols, 3);
  ASSERT_EQ(Table(2).Rows.size(), 1u);
  EXPECT_EQ(Table(2).Rows[0]->Cells[0]->RowSpan, 1);
  // "d" is pushed right of the two columns the spans were resolved in: it reserves nothing
  // below, but its span still ends at the last row.
  EXPECT_EQ(Spans(Table(3), 1), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(Table(3).Rows[1]->Cells[2]->RowSpan, 2);
  const auto& rows = Table(3).Rows;
  EXPECT_EQ(rows[1]->Cells[2]->Ht, rows[1]->RowHeight + rows[2]->RowHeight);
}

TEST_F(TableTest, ThirtyColumnsAreAcceptedAndThirtyOneRefused) {
  Build("<table>" + Row(30) + "</table><table>" + Row(29) + "<td colspan=2>w</table>after");
  EXPECT_EQ(Table(0).NumCols, 30);
  EXPECT_EQ(Errors, (std::vector<std::string>{"Table has too many Columns"}));
  EXPECT_THROW(TableIn(Document, 1), std::logic_error);  // the second table was dropped
  EXPECT_EQ(TextOf(Document), U"after");
}

TEST_F(TableTest, ANestedTableWithTooManyColumnsGoesAloneWhereverItStands) {
  // In a cell, in a cell two tables down, in a caption: each refused table is reported once
  // and dropped where it stands; the tables around it keep all their cells.
  const std::string refused = "<table>" + Row(31) + "</table>";
  Build("<table><tr><td>Important<td>" + refused + "</table>"
        "<table><tr><td><table><tr><td>middle<td>" + refused + "</table></table>"
        "<table><caption>" + refused + "caption</caption><tr><td>body</table>after");
  EXPECT_EQ(Errors, std::vector<std::string>(3, "Table has too many Columns"));
  EXPECT_EQ(TextOf(CellAt(Table(0), 0, 0)), U"Important");
  EXPECT_EQ(CellAt(Table(0), 0, 1).Count(), 0u);
  const ThtmlTable& middle = TableIn(CellAt(Table(1), 0, 0));
  EXPECT_EQ(TextOf(CellAt(middle, 0, 0)), U"middle");
  EXPECT_EQ(CellAt(middle, 0, 1).Count(), 0u);
  EXPECT_EQ(TextOf(Table(2).Caption->Cell), U"caption");
  EXPECT_EQ(TextOf(CellAt(Table(2), 0, 0)), U"body");
  EXPECT_EQ(TextOf(Document), U"after");
  // Gone, they are neither measured nor reported again.
  Arrange(300);
  EXPECT_EQ(Errors.size(), 3u);
}

TEST_F(TableTest, AnAnchorInsideADroppedTableIsForgotten) {
  // Also when it stands in a table nested in the refused one, and when spans make the overflow.
  Build("<a name=top>t</a><table><tr><td><a name=inner>i</a><table><tr><td><a name=deep>d</a>"
        "</table>" + Row(31) + "</table>"
        "<table><tr><td rowspan=3><a name=spanned>s</a>" + Row(29).substr(4) + Row(30) +
        "</table>");
  EXPECT_EQ(Errors.size(), 2u);
  EXPECT_NE(Anchors.Find(U"top"), nullptr);
  EXPECT_EQ(Anchors.Find(U"inner"), nullptr);
  EXPECT_EQ(Anchors.Find(U"deep"), nullptr);
  EXPECT_EQ(Anchors.Find(U"spanned"), nullptr);
  EXPECT_EQ(Anchors.Count(), 1u);
}

// Rows of 16 and 16 under a cell spanning both that needs 49 (its HEIGHT): the shortfall of 17
// gives each row 8 and the last the remainder. A cell 24 high with content 16 high stands 4
// down when middle-aligned (the rows' default), 8 down at the bottom, 0 at the top.
TEST_F(TableTest, RowHeightsSpreadRowSpansAndCellsAlignVertically) {
  Build("<table cellspacing=0 cellpadding=0><tr><td rowspan=2 height=49>a<td>m<td valign=bottom>b"
        "<td valign=baseline>t<tr valign=bottom><td>y</table>");
  const ThtmlTable& table = Table();
  EXPECT_EQ(table.Rows[0]->RowHeight, 24);
  EXPECT_EQ(table.Rows[1]->RowHeight, 25);
  EXPECT_EQ(table.Rows[0]->RowSpanHeight, 49);
  EXPECT_EQ(table.TableHeight, 49);
  const auto& cells = table.Rows[0]->Cells;
  EXPECT_EQ(cells[0]->YIndent, (49 - 16) / 2);
  EXPECT_EQ(cells[1]->YIndent, 4);
  EXPECT_EQ(cells[2]->YIndent, 8);
  EXPECT_EQ(cells[3]->YIndent, 0);
  EXPECT_EQ(table.Rows[1]->Cells[1]->YIndent, 25 - 16);  // the row's VALIGN
  EXPECT_EQ(CellAt(table, 0, 1)[0].Top, 4);  // content laid out where it is drawn
}

// ALIGN=RIGHT floats the table: it takes no height in the flow, and the text after it ends
// HSPACE + 1 pixels left of it.
TEST_F(TableTest, AFloatingTableLetsTextFlowBesideIt) {
  Build("<table align=right hspace=3 cellspacing=0 cellpadding=0><tr><td>aaaa</table>"
        "bb bb bb bb bb bb bb bb", 200);
  const ThtmlTable& table = Table();
  EXPECT_TRUE(table.Floating);
  EXPECT_EQ(table.FlowHeight, 0);
  EXPECT_EQ(table.PaintHeight, 16);
  EXPECT_EQ(table.TableIndent, 168);
  const auto& text = dynamic_cast<const TSection&>(Document[2]);
  ASSERT_GE(text.Lines.size(), 2u);
  EXPECT_EQ(Document.Indents.RightLimit(8), 200 - 36);
  EXPECT_EQ(text.Lines[0].Count, 18);  // six "bb " of 24 pixels; a seventh needs 168
  EXPECT_EQ(text.Top, 0);
}

// Cell 0 "a" is 18 wide with CELLPADDING=4 and the border's spacing of 2; the empty cell 1
// (slots 18..28) shows no background and no sunken frame.
TEST_F(TableTest, AnEmptyCellDrawsNothing) {
  Build("<table border=1 cellspacing=0 cellpadding=4 bgcolor=red><tr><td>a<td></table>");
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{18, 10}));
  Render();
  EXPECT_EQ(Surface.Pixel(3, 3), clRed);      // inside cell 0, beside its text
  EXPECT_NE(Surface.Pixel(1, 10), clWhite);   // cell 0's sunken frame
  EXPECT_EQ(Surface.Pixel(19, 10), clWhite);  // no frame for the empty cell
  EXPECT_EQ(Surface.Pixel(24, 10), clWhite);  // and no background
  EXPECT_NE(Surface.Pixel(29, 10), clWhite);  // the table's raised frame, dark side
}

// BORDERCOLOR fills the spacing between and around the drawn cells, not the cells.
TEST_F(TableTest, TheBorderColourFillsTheSpacing) {
  Build("<table cellspacing=4 cellpadding=0 bordercolor=blue><tr><td>a<td>b</table>");
  Render();
  EXPECT_EQ(Surface.Pixel(1, 1), clBlue);
  EXPECT_EQ(Surface.Pixel(13, 10), clBlue);   // between the cells (12 .. 15)
  EXPECT_NE(Surface.Pixel(5, 19), clBlue);    // inside cell 0 (4 .. 11)
  EXPECT_EQ(Surface.Pixel(26, 10), clBlue);   // the right edge (24 .. 27)
  EXPECT_EQ(Surface.Pixel(30, 10), clWhite);
}

namespace {
// A section that counts its layouts.
class TCountingSection : public TSectionBase {
 public:
  int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override {
    ++Layouts;
    FlowHeight = 10;
    return TSectionBase::Arrange(canvas, y, indent, maxWidth, curs);
  }
  int Layouts = 0;
};
}  // namespace

// Every table lays its cells out twice, once to learn their heights and once in place; a
// table placed again at the same width in the same page layout (by its container's second
// pass) only places them, so nesting adds one layout per level instead of doubling.
TEST_F(TableTest, NestedCellsAreLaidOutOncePerLevelMore) {
  Build("<table><tr><td><table><tr><td><table><tr><td><table><tr><td>x</table></table></table>"
        "</table>");
  TCell* cell = &Document;
  for (int depth = 0; depth < 4; ++depth) cell = &CellAt(TableIn(*cell), 0, 0);
  auto counting = std::make_unique<TCountingSection>();
  TCountingSection& probe = *counting;
  cell->AddSection(std::move(counting));
  Arrange(600);
  EXPECT_EQ(probe.Layouts, 5);
}
