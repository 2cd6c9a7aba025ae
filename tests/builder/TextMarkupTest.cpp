// Text, paragraphs, line breaks, style switches, headings, fonts and links.
#include "BuilderFixture.h"
#include "html/document/BlockSpaces.h"

TEST_F(BuilderTest, EmptyDocumentIsOneEmptySection) {
  Build("");
  ASSERT_EQ(Kinds(), "TSection");
  EXPECT_EQ(TextAt(0), U"");
  EXPECT_EQ(At(0).Level, 0);
}

TEST_F(BuilderTest, ParagraphsDoNotStackAndTakeTheirOwnAlignment) {
  Build("a<p><P></p>  b<p align=CENTER>c<br>d</p>e");
  ASSERT_EQ(Kinds(), "TSection TParagraphSpace TSection TParagraphSpace TSection TSection "
                     "TParagraphSpace TSection");
  EXPECT_EQ(TextAt(2), U"b");  // white space after the P tags is dropped
  EXPECT_EQ(At(4).Justify, jCentre);
  EXPECT_EQ(At(5).Justify, jCentre);  // a BR keeps the line's justification
  EXPECT_EQ(At(7).Justify, jLeft);    // the end tag of P takes the current one again
}

TEST_F(BuilderTest, EmptyLineBetweenBreaksKeepsASpace) {
  Build("a<br><br clear=left>b");
  ASSERT_EQ(Kinds(), "TSection TSection TSection");
  EXPECT_EQ(TextAt(1), U" ");
  EXPECT_EQ(TextAt(2), U"b");
  EXPECT_EQ(At(2).ClearKind, ckLeft);
}

TEST_F(BuilderTest, StylesAreSwitchesNotCounters) {
  Build("<b>x<b>y</b>z</b>w<i><u><s>v</s></u></i>");
  EXPECT_EQ(TextAt(0), U"xyzwv");
  EXPECT_TRUE(RunAt(0, 1).Font().Style() & fsBold);
  EXPECT_FALSE(RunAt(0, 2).Font().Style() & fsBold);  // the inner end tag ended it
  EXPECT_EQ(RunAt(0, 4).Font().Style(), fsItalic | fsUnderline | fsStrikeOut);
}

TEST_F(BuilderTest, HeadingHasSpacesAroundAndItsOwnFont) {
  Build("a<h2 align=right>T</h2>b<h>c</h>");
  ASSERT_EQ(Kinds(), "TSection THeadingSpace TSection THeadingSpace TSection THeadingSpace "
                     "TSection THeadingSpace");
  EXPECT_EQ(dynamic_cast<THeadingSpace&>(Document[1]).HeadingLevel, 2);
  EXPECT_EQ(dynamic_cast<THeadingSpace&>(Document[3]).HeadingLevel, 2);
  EXPECT_EQ(At(2).Justify, jRight);
  EXPECT_EQ(RunAt(2, 0).Font().Scale, 18);
  EXPECT_TRUE(RunAt(2, 0).Font().Style() & fsBold);
  EXPECT_EQ(RunAt(4, 0).Font().Scale, 12);  // the heading's font was popped
  EXPECT_FALSE(RunAt(6, 0).Font().Style() & fsBold);  // a bare H is level 0: not bold
}

TEST_F(BuilderTest, FontSizesAreRelativeToBaseFontAndClamped) {
  Build("<basefont size=5><font size=+1>a</font><font size=9>b</font><font size=0>c</font>"
        "<font face=' Arial , Helvetica' color=red>d</font><font size=-2147483648>e</font>"
        "<font size=+2147483647>f</font>");
  EXPECT_EQ(RunAt(0, 0).Font().Scale, 24);
  EXPECT_EQ(RunAt(0, 1).Font().Scale, 36);
  EXPECT_EQ(RunAt(0, 2).Font().Scale, 8);
  EXPECT_EQ(RunAt(0, 3).Font().Name(), "Arial");
  EXPECT_EQ(RunAt(0, 3).Font().Color(), clRed | DocumentColorFlag);
  EXPECT_EQ(RunAt(0, 4).Font().Scale, 8);
  EXPECT_EQ(RunAt(0, 5).Font().Scale, 36);
}

TEST_F(BuilderTest, LateBaseFontOnlySetsTheBaseForRelativeSizes) {
  Build("x<p>y<basefont size=7>z<font size=-1>w");
  EXPECT_EQ(RunAt(2, 1).Font().Scale, 12);
  EXPECT_EQ(RunAt(2, 2).Font().Scale, 24);
}

TEST_F(BuilderTest, BigAndSmallStepThroughTheSizeTable) {
  Build("<big>a</big><font size=7><big>b<h3><small>c");
  EXPECT_EQ(RunAt(0, 0).Font().Scale, 14);
  EXPECT_EQ(RunAt(0, 1).Font().Scale, 36);  // already the largest size
  EXPECT_EQ(RunAt(2, 0).Font().Scale, 15);  // H3's 15 is no table size: nothing happens
}

TEST_F(BuilderTest, LinksGiveRunsTheirUrlAndLinkFont) {
  Build("<a href='x.htm' target=main>go <b>bold</b></a> after <a name=Here>n</a>"
        "<a href=1>p<a href=2>q</a>r");
  EXPECT_EQ(UrlOf(RunAt(0, 0)), U"x.htm");
  EXPECT_EQ(TargetOf(RunAt(0, 0)), U"main");
  EXPECT_EQ(RunAt(0, 0).Font().Color(), Document.HotSpotColor);
  EXPECT_TRUE(RunAt(0, 0).Font().Style() & fsUnderline);
  EXPECT_EQ(UrlOf(RunAt(0, 4)), U"x.htm");  // a bold word inside stays part of it
  EXPECT_EQ(UrlOf(RunAt(0, 8)), U"");
  EXPECT_FALSE(RunAt(0, 8).Font().Style() & fsUnderline);
  // A NAME only names the section; it starts no link.
  EXPECT_EQ(Anchors.Find(U"here"), &Document[0]);
  EXPECT_EQ(UrlOf(RunAt(0, 14)), U"");
  // A second HREF ends the first link.
  EXPECT_EQ(UrlOf(RunAt(0, 15)), U"1");
  EXPECT_EQ(UrlOf(RunAt(0, 16)), U"2");
  EXPECT_EQ(UrlOf(RunAt(0, 17)), U"");
  EXPECT_EQ(RunAt(0, 17).Font().Color(), Document.FontColor);
}

TEST_F(BuilderTest, AnchorNamesCompareWithoutCaseAndTheFirstWins) {
  Build("<a name=top>a</a><p><a name=TOP>b</a><a name=\xC3\xA9t\xC3\xA9>c</a>");
  EXPECT_EQ(Anchors.Count(), 2u);
  EXPECT_EQ(Anchors.Find(U"Top"), &Document[0]);
  EXPECT_EQ(Anchors.Find(U"\u00C9T\u00C9"), &Document[2]);
}
