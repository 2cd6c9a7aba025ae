// Markup of documentation written after HTML 3.2: IDs as link targets, plain-text XMP,
// preformatted spacing and elements that are never shown.
#include <algorithm>

#include "BuilderFixture.h"
#include "html/builder/HtmlBuilder.h"
#include "html/document/BlockSpaces.h"
#include "html/tables/Table.h"

TEST_F(BuilderTest, IdsJoinTheAnchorListAsNamesDo) {
  Build("<body id=Top><p>a<a name=dup></a><table><tr><td><b id=Cell>c</b></table>"
        "<p id=DUP>d<span id=\"\">e</span><br id=end>");
  ASSERT_EQ(Kinds(), "TSection TParagraphSpace TSection ThtmlTable TParagraphSpace TSection "
                     "TSection");
  EXPECT_EQ(Anchors.Find(U"top"), &Document[0]);
  EXPECT_EQ(Anchors.Find(U"dup"), &Document[2]);  // the first of a name wins, NAME or ID
  const auto& table = dynamic_cast<ThtmlTable&>(Document[3]);
  EXPECT_EQ(Anchors.Find(U"CELL"), &table.Rows[0]->Cells[0]->Cell[0]);
  // An ID with nothing after it points at the end of the page.
  EXPECT_EQ(Anchors.Find(U"end"), &Document[6]);
  EXPECT_EQ(Anchors.Count(), 4u);  // an empty ID is none
}

TEST_F(BuilderTest, XmpIsPlainTextUpToItsEndTag) {
  Build("<xmp>\n<b>&amp;</b><!-- c --></xmpx>\t|</XMP >after");
  ASSERT_EQ(Kinds(), "TSection TPreFormated TPreFormated TParagraphSpace TSection");
  EXPECT_EQ(TextAt(1), U" ");  // XMP keeps even its first line end
  EXPECT_EQ(TextAt(2), U"<b>&amp;</b><!-- c --></xmpx>   |");
  EXPECT_TRUE(RunAt(2, 0).Font().Fixed);
  EXPECT_FALSE(RunAt(2, 0).Font().Style() & fsBold);
  EXPECT_EQ(TextAt(4), U"after");
}

TEST_F(BuilderTest, PreformattedTextDropsOnlyItsFirstLineEnd) {
  Build("<pre>\n\n\ta</pre>\n<p>b<listing>c\n</listing><p>d");
  ASSERT_EQ(Kinds(), "TSection TPreFormated TPreFormated TParagraphSpace TSection "
                     "TPreFormated TPreFormated TSection");
  EXPECT_EQ(TextAt(1), U" ");
  EXPECT_EQ(TextAt(2), U"        a");
  EXPECT_EQ(TextAt(4), U"b");  // the P after the PRE adds no second space
  EXPECT_EQ(TextAt(5), U"c");
  EXPECT_EQ(TextAt(6), U" ");  // the blank last line is the space after it: the P adds none
  EXPECT_EQ(TextAt(7), U"d");
}

TEST_F(BuilderTest, WhiteSpaceBetweenBlocksAddsNoSecondParagraphSpace) {
  Build("<div><p>one</p></div>\n<div> <p>two</p></div>\n<p>three");
  // The kinds of the sections that show something: empty sections take no room.
  std::string shown;
  for (const auto& section : Document) {
    auto* text = dynamic_cast<TSection*>(section.get());
    if (text && text->Text.empty()) continue;
    shown += text ? "text " : std::string(section->KindName()) + " ";
  }
  EXPECT_EQ(shown, "TParagraphSpace text TParagraphSpace text TParagraphSpace text ");
}

TEST_F(BuilderTest, BlocksAndListsInsideThemNestBoundedly) {
  std::string html;
  for (int i = 0; i < 3000; ++i) html += "<section><ul><li>";
  Build(html + "deep");
  // Each section and each list nests once: the lists beyond the cut join the deepest.
  const auto deep = std::find_if(Document.begin(), Document.end(), [](const auto& section) {
    auto* text = dynamic_cast<TSection*>(section.get());
    return text && text->Text == U"deep";
  });
  ASSERT_NE(deep, Document.end());
  EXPECT_EQ(static_cast<TSection&>(**deep).Level, THtmlBuilder::MaxNesting / 2);
}
