// Building tables from markup: rows and cells, text between cells, cell alignment and style,
// captions, nesting, and tables in lists.
#include "TableFixture.h"

#include "html/builder/HtmlBuilder.h"
#include "html/document/ListItems.h"
#include "html/support/Errors.h"

namespace {

const TSection& TextSection(const TCell& cell, std::size_t index = 0) {
  return dynamic_cast<const TSection&>(cell[index]);
}
TFontStyles StyleOf(const TCell& cell) { return TextSection(cell).Fonts[0].Font().Style(); }

}  // namespace

TEST_F(TableTest, TextBetweenCellsShowsBeforeTheTable) {
  Build("<table> before <tr> <td>x</td> between </tr></table>");
  std::vector<std::string> kinds;
  for (const auto& section : Document) kinds.push_back(section->KindName());
  ASSERT_EQ(kinds.back(), "ThtmlTable");
  std::u32string before;
  for (std::size_t i = 0; i + 1 < Document.Count(); ++i)
    before += TextSection(Document, i).Text.str();
  EXPECT_EQ(before, U"before between ");
  EXPECT_EQ(TextOf(CellAt(Table(), 0, 0)), U"x");
}

TEST_F(TableTest, CellsTakeTheirAlignmentAndStyleFromRowAndTag) {
  Build("<b><table><tr align=right><th>h<td>d<td align=left>l<td align=bogus>u"
        "<tr><th>h2<td><a href=\"x.htm\"><i>d2<td>p<td><p>q</table></b>");
  const ThtmlTable& table = Table();
  const auto justify = [&](std::size_t row, std::size_t slot) {
    return TextSection(CellAt(table, row, slot)).Justify;
  };
  EXPECT_EQ(justify(0, 0), jRight);
  EXPECT_EQ(justify(0, 1), jRight);
  EXPECT_EQ(justify(0, 2), jLeft);
  EXPECT_EQ(justify(0, 3), jRight);  // an unknown ALIGN keeps the row's
  EXPECT_EQ(justify(1, 0), jCentre);
  EXPECT_EQ(justify(1, 1), jLeft);
  EXPECT_TRUE(StyleOf(CellAt(table, 0, 0)) & fsBold);   // TH is bold
  EXPECT_FALSE(StyleOf(CellAt(table, 0, 1)) & fsBold);  // TD clears the outer B
  // A link and a style left open end at the next cell.
  const TSection& plain = TextSection(CellAt(table, 1, 2));
  EXPECT_FALSE(plain.Fonts[0].IsLink());
  EXPECT_FALSE(StyleOf(CellAt(table, 1, 2)) & fsItalic);
  // A P at the start of a cell adds no paragraph space.
  EXPECT_STREQ(CellAt(table, 1, 3)[0].KindName(), "TSection");
}

TEST_F(TableTest, CaptionsGoAboveOrBelow) {
  Build("<table><caption align=bottom>under</caption><tr><td>x</table>"
        "<table><caption align=top>over</caption><tr><td>y</table>"
        "<table><caption>plain</caption><tr><td>z</table>");
  EXPECT_FALSE(Table(0).CaptionOnTop);
  EXPECT_TRUE(Table(1).CaptionOnTop);
  EXPECT_TRUE(Table(2).CaptionOnTop);
  EXPECT_EQ(TextOf(Table(0).Caption->Cell), U"under");
  EXPECT_EQ(TextSection(Table(0).Caption->Cell).Justify, jCentre);
  // The bottom caption is laid out below the body.
  EXPECT_EQ(Table(0).Caption->Cell[0].Top, Table(0).Top + Table(0).TableHeight);
}

TEST_F(TableTest, NestedTablesStayInTheirCell) {
  // The inner table has no end tag: the outer one's ends it, and the outer table runs on to
  // the end of the input.
  Build("<table><tr><td>o<table><tr><td>i</table>tail");
  ASSERT_EQ(Document.Count(), 2u);
  const TCell& outer = CellAt(Table(), 0, 0);
  ASSERT_EQ(outer.Count(), 3u);
  EXPECT_STREQ(outer[1].KindName(), "ThtmlTable");
  EXPECT_EQ(TextOf(CellAt(TableIn(outer), 0, 0)), U"i");
  EXPECT_EQ(TextSection(outer, 2).Text, U"tail");
  EXPECT_EQ(TableIn(outer).OwnerCell, &outer);
}

TEST_F(TableTest, ATableInAListItemKeepsTheMarkerLine) {
  Build("<ul><li><table><tr><td>x</table></ul>");
  const auto& item = dynamic_cast<const TUListItem&>(Document[1]);
  EXPECT_EQ(item.Text, U" ");
  EXPECT_EQ(Table().Level, 1);
  EXPECT_EQ(Table().TableIndent, LevelIndent);
}

TEST_F(TableTest, HostileNestingIsBoundedInDepthAndInTime) {
  std::string html;
  for (int i = 0; i < 300; ++i) html += "<table><tr><td>";
  Build(html + "deep");
  int depth = 0;
  for (const TCell* cell = &Document;;) {
    const ThtmlTable* table = nullptr;
    for (const auto& section : *cell)
      if ((table = dynamic_cast<const ThtmlTable*>(section.get()))) break;
    if (!table) break;
    ++depth;
    cell = &CellAt(*table, 0, 0);
  }
  EXPECT_EQ(depth, THtmlBuilder::MaxNesting);
}

TEST_F(TableTest, ACellLeftByAStrayEndTagKeepsItsAnchors) {
  // The caption end tag ends the cell's content and the text after it goes before the table,
  // but the cell stays: the anchor inside still points at a live section of the table.
  Build("<table>e<td><a name=r><div i></caption> after");
  const TSectionBase* section = Anchors.Find(U"r");
  ASSERT_NE(section, nullptr);
  EXPECT_TRUE(Table().Encloses(*section));
}

TEST_F(TableTest, AFailedParseKeepsTheTableBuiltSoFar) {
  EXPECT_THROW(Build("<table><tr><td>a<table><tr><td>b<!-- open"), EParseError);
  Arrange(600);
  const TCell& outer = CellAt(Table(), 0, 0);
  EXPECT_EQ(TextOf(outer), U"a");
  EXPECT_EQ(TableIn(outer).Rows.size(), 1u);
}
