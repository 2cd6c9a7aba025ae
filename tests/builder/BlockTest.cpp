// Lists, centred and aligned blocks, preformatted text and plain-text files.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "BuilderFixture.h"

TEST_F(BuilderTest, OrderedListNumbersFromStartInItsStyle) {
  Build("<ol start=3 type=A><li>a<li> <p>b<li>c</ol>");
  ASSERT_EQ(Kinds(), "TSection TOListItem TOListItem TOListItem");
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(At<TOListItem>(i).ListNumber, i + 2);
    EXPECT_EQ(At<TOListItem>(i).NumberStyle, U'A');
    EXPECT_EQ(At(i).Level, 1);
  }
  EXPECT_EQ(TextAt(2), U"b");  // a P right after LI adds no space
}

TEST_F(BuilderTest, NestedListsGoOneLevelDeeperAndAnyListEndClosesTheInnermost) {
  Build("<ul><li>a<ol><li>b</ul>c</ul>d<ul plain><li>e</ul><blockquote>f</blockquote>");
  ASSERT_EQ(Kinds(), "TSection TUListItem TOListItem TSection TSection TUListItem TSection");
  EXPECT_EQ(At(1).Level, 1);
  EXPECT_EQ(At(2).Level, 2);
  EXPECT_EQ(TextAt(3), U"c");
  EXPECT_EQ(At(3).Level, 1);
  EXPECT_EQ(At(4).Level, 0);
  EXPECT_FALSE(At<TUListItem>(1).NoBullet);
  EXPECT_TRUE(At<TUListItem>(5).NoBullet);
  EXPECT_EQ(TextAt(6), U"f");
  EXPECT_EQ(At(6).Level, 1);
}

TEST_F(BuilderTest, DefinitionTermStandsOneLevelLeftOfItsDefinition) {
  Build("<dl><dt>term<dd>definition</dl>");
  ASSERT_EQ(Kinds(), "TSection TDListItem TDListItem");
  EXPECT_EQ(At(1).Level, 0);
  EXPECT_EQ(At(2).Level, 1);
}

TEST_F(BuilderTest, CentreAndDivBlocksNestAndEitherEndClosesEither) {
  Build("a<center>b<div align=Right>c</center>d</div>e<div align=middle>f</div>");
  std::vector<std::pair<std::u32string, int>> lines;
  for (std::size_t i = 0; i < Document.Count(); ++i)
    if (!TextAt(i).empty()) lines.emplace_back(TextAt(i), At(i).Justify);
  EXPECT_EQ(lines, (std::vector<std::pair<std::u32string, int>>{
                       {U"a", jLeft}, {U"b", jCentre}, {U"c", jRight}, {U"d", jCentre},
                       {U"e", jLeft}, {U"f", jLeft}}));
}

TEST_F(BuilderTest, BlockInsideAListItemEndsAtTheNextItem) {
  Build("<ul><li>a<center>b<li>c</center></ul>d");
  ASSERT_EQ(Kinds(), "TSection TUListItem TSection TSection TUListItem TSection");
  EXPECT_EQ(TextAt(2), U"b");
  EXPECT_EQ(At(2).Justify, jCentre);
  EXPECT_EQ(At(2).Level, 1);
  EXPECT_EQ(TextAt(4), U"c");  // the stray end tag of the block changes nothing
  EXPECT_EQ(At(4).Justify, jLeft);
  EXPECT_EQ(TextAt(5), U"d");
  EXPECT_EQ(At(5).Level, 0);
}

TEST_F(BuilderTest, ListItemThatStartsWithABlockKeepsItsMarkerLine) {
  Build("<ol><li> <div align=right>\n<p>a</p>b</div><li><div></div>c</ol>");
  ASSERT_EQ(Kinds(), "TSection TOListItem TParagraphSpace TSection TSection TOListItem");
  EXPECT_EQ(TextAt(1), U"a");
  EXPECT_EQ(At(1).Justify, jRight);
  EXPECT_EQ(TextAt(3), U"b");
  // An empty block leaves the item waiting for its text.
  EXPECT_EQ(At<TOListItem>(5).ListNumber, 2);
  EXPECT_EQ(TextAt(5), U"c");
  EXPECT_EQ(At(5).Justify, jLeft);
}

TEST_F(BuilderTest, PreformattedTextKeepsSpacesAndLines) {
  Build("<pre>  a < b\n<b>x</b>  y\n\nz &amp;<p>\nq</pre>after");
  // The last line has text: a paragraph space follows all the same.
  ASSERT_EQ(Kinds(), "TSection TPreFormated TPreFormated TPreFormated TPreFormated "
                     "TPreFormated TParagraphSpace TSection");
  EXPECT_EQ(TextAt(1), U"  a < b");
  EXPECT_EQ(TextAt(2), U"x  y");
  EXPECT_EQ(TextAt(3), U" ");  // the empty line keeps a space
  EXPECT_EQ(TextAt(4), U"z &");
  EXPECT_EQ(TextAt(5), U"q");  // P starts a line; the line end after it is skipped
  EXPECT_EQ(TextAt(7), U"after");
  EXPECT_TRUE(RunAt(2, 0).Font().Style() & fsBold);
  EXPECT_FALSE(RunAt(2, 1).Font().Style() & fsBold);
  EXPECT_TRUE(RunAt(1, 0).Font().Fixed);
  EXPECT_EQ(RunAt(1, 0).Font().Scale, 10);
  EXPECT_EQ(RunAt(1, 0).Font().Name(), Document.PreFontName);
  EXPECT_FALSE(RunAt(7, 0).Font().Fixed);
}

TEST_F(BuilderTest, PreformattedTextEndsAtACellEndAndUsesThePreSizeTable) {
  Build("<pre><font size=7>a</font></td>b");
  EXPECT_EQ(RunAt(1, 0).Font().Scale, 30);
  EXPECT_EQ(TextAt(3), U"b");
  EXPECT_FALSE(RunAt(3, 0).Font().Fixed);
}

TEST_F(BuilderTest, PlainTextFileShowsEveryLineAsWritten) {
  const auto path = std::filesystem::temp_directory_path() / "tamblin-builder-plain.txt";
  std::ofstream(path, std::ios::binary) << "a\tb\r\n\r\nc <b>&amp;<!-- hidden -->d\n";
  ParseTextFile(Document, Anchors, path.string(), Head);
  std::filesystem::remove(path);
  ASSERT_EQ(Kinds(), "TPreFormated TPreFormated TPreFormated TPreFormated");
  EXPECT_EQ(TextAt(0), U"a       b");  // the tab reaches the next multiple of 8 columns
  EXPECT_EQ(TextAt(1), U" ");
  EXPECT_EQ(TextAt(2), U"c <b>&amp;d");
  EXPECT_TRUE(RunAt(0, 0).Font().Fixed);
}

TEST_F(BuilderTest, ListLeavesTheEndOfAnEnclosingBlockToTheBlock) {
  Build("<center><ul><li>a</center>b");
  const TSection& last = At(Document.Count() - 1);
  EXPECT_EQ(last.Text, U"b");
  EXPECT_EQ(last.Justify, jLeft);
  EXPECT_EQ(last.Level, 0);
}
