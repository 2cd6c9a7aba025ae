// The column-width algorithms, each on a grid worked out by hand. With CELLSPACING=0 and
// CELLPADDING=0 a cell's minimum is its longest word and its maximum its whole text, 8 pixels
// a character.
#include "TableFixture.h"

namespace {
constexpr std::string_view Bare = "<table cellspacing=0 cellpadding=0";
std::string Grid(std::string_view attributes, std::string_view rows) {
  return std::string(Bare) + " " + std::string(attributes) + ">" + std::string(rows) + "</table>";
}
}  // namespace

// A spanning cell wider than its columns spreads the difference in proportion to them: plain
// (pixel-width cell, no table WIDTH): columns 10 and 16 under a 160-pixel span get
// 10 + MulDiv(10, 134, 26) = 62 and 16 + MulDiv(16, 134, 26) = 98. With percentages and none
// given: 16 and 16 under 80 get MulDiv(80, 16, 32) = 40 each.
TEST_F(TableTest, SpanningCellsSpreadTheirExcess) {
  Build(Grid("", "<tr><td width=10>a<td>bb<tr><td colspan=2>xxxxxxxxxxxxxxxxxxxx") +
        Grid("", "<tr><td>aa<td>bb<tr><td colspan=2>cccccccccc"));
  EXPECT_TRUE(Table(0).HasPixelWidthCell);
  EXPECT_EQ(WidthsOf(Table(0)), (std::vector<int>{62, 98}));
  EXPECT_EQ(Table(0).TableWidth, 160);
  EXPECT_EQ(WidthsOf(Table(1)), (std::vector<int>{40, 40}));
}

// A pixel-width cell without table WIDTH: minimum totals 20 + 64, maxima 20 + 104; a width of
// 100 gives each column its minimum plus a share of the 16 pixels over by its slack (0 and 40
// of 40).
TEST_F(TableTest, PixelWidthCellsDistributeBetweenMinimumAndMaximum) {
  Build(Grid("", "<tr><td width=20>a<td>aaaa bbbbbbbb"), 100);
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{20, 80}));
  Document.Clear();
  Build(Grid("", "<tr><td width=20>a<td>aaaa bbbbbbbb"), 600);
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{20, 104}));
}

// WIDTH=100% in 600 pixels with the default spacing: W = 598. Three columns of minimum 12 and
// no slack share the 562 left equally (187 each) and the pixel lost to rounding goes to the
// first column.
TEST_F(TableTest, AFullWidthTableFillsItsWidthExactly) {
  Build("<table width=100%><tr><td>a<td>b<td>c</table>");
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{200, 199, 199}));
  EXPECT_EQ(Table().TableWidth, 600);
}

// Percentages with a table WIDTH. Fitting: 25 % and 50 % of 400 are 100 and 200, and the free
// column takes the 92 left over its minimum of 8. Too wide: 60 % and 60 % of 200 want 120 each,
// 40 too much; the first, cut by 20 to 100, would fall below its minimum of 104 and is pinned
// there (d = 24), and the second loses all of the rest.
TEST_F(TableTest, PercentagesThatFitAndThatDoNot) {
  Build(Grid("width=400", "<tr><td width=25%>a<td width=50%>b<td>c") +
        Grid("width=200", "<tr><td width=60%>aaaaaaaaaaaaa<td width=60%>b") +
        Grid("width=200", "<tr><td width=60%>aaaaaaa<td width=60%>b"));
  EXPECT_EQ(PercentsOf(Table(0)), (std::vector<int>{250, 500, 0}));
  EXPECT_EQ(WidthsOf(Table(0)), (std::vector<int>{100, 200, 100}));
  EXPECT_EQ(WidthsOf(Table(1)), (std::vector<int>{104, 96}));
  EXPECT_EQ(WidthsOf(Table(2)), (std::vector<int>{100, 100}));
}

// No table WIDTH, no pixel cell: the table takes the narrowest width that gives each column
// its share. 25 % of a column 32 wide beside 120 pixels of free text: Need = max(MulDiv(32,
// 1000, 250), MulDiv(120, 1000, 750)) = 160, split 40 and 120. In 100 pixels the share of
// 25 % (24) is below the column's minimum (32), so the percentage is dropped and the columns
// share the room between their minima (32, 56) and maxima (32, 120).
TEST_F(TableTest, NaturalWidthWithPercentages) {
  Build(Grid("", "<tr><td width=25%>aaaa<td>bbbbbbbbbbbbbbb"));
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{40, 120}));
  EXPECT_EQ(Table().TableWidth, 160);
  Document.Clear();
  Build(Grid("", "<tr><td width=25%>aaaa<td>bbbbbbb bbbbbbb"), 100);
  EXPECT_EQ(WidthsOf(Table()), (std::vector<int>{32, 68}));
  EXPECT_EQ(PercentsOf(Table()), (std::vector<int>{0, 0}));
}

// A caption wider than the body sets TotalWidth and centres the body under it; the caption's
// minimum also raises what the table reports to its container.
TEST_F(TableTest, ACaptionWiderThanTheBody) {
  Build(Grid("align=center", "<caption>captioncaption</caption><tr><td>a"), 200);
  const ThtmlTable& table = Table();
  EXPECT_EQ(table.TableWidth, 8);
  EXPECT_EQ(table.TotalWidth, 112);
  EXPECT_EQ(table.TableIndent, 44);       // (200 - 112) / 2
  EXPECT_EQ(table.TableLeft, 44 + 52);    // + (112 - 8) / 2
  int minWidth = 0, maxWidth = 0;
  Table().MeasureWidths(*Canvas, minWidth, maxWidth);
  EXPECT_EQ(minWidth, 112);
  EXPECT_EQ(maxWidth, 112);
}
