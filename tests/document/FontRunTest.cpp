#include "DocumentFixture.h"

namespace {

class FontRunTest : public DocumentTest {
 protected:
  TUrlTarget Link(std::u32string url) {
    TUrlTarget link;
    link.Assign(url, U"frame");
    return link;
  }
  // A section with runs starting at 0, 3 and 7 in a text of 10 characters.
  TSection& ThreeRuns() {
    TSection& section = AddText(U"abc");
    TMyFont bold = BaseFont();
    bold.SetStyle(fsBold);
    section.ChangeFont(Document, bold);
    section.AppendText(U"defg");
    section.ChangeFont(Document, BaseFont());
    section.AppendText(U"hij");
    return section;
  }
};

}  // namespace

TEST_F(FontRunTest, LookupsFindTheRunOfAPosition) {
  TSection& section = ThreeRuns();
  ASSERT_EQ(section.Fonts.Count(), 3u);
  int index = -1, overhang = -1;
  const std::pair<int, int> expected[] = {{0, 0}, {2, 0}, {3, 1}, {6, 1}, {7, 2}, {9, 2}, {50, 2}};
  for (const auto& [position, run] : expected) {
    EXPECT_EQ(&section.Fonts.RunAt(position, index), &section.Fonts[std::size_t(run)]) << position;
    EXPECT_EQ(index, run);
  }
  EXPECT_EQ(section.Fonts.FontAt(4, overhang).Style(), fsBold);
  EXPECT_EQ(overhang, 0);
  // At a run's start the answer is that run's length; inside, what is left of it.
  EXPECT_EQ(section.Fonts.CharsToNextRun(3, 10), 4);
  EXPECT_EQ(section.Fonts.CharsToNextRun(0, 10), 3);
  EXPECT_EQ(section.Fonts.CharsToNextRun(5, 10), 2);
  EXPECT_EQ(section.Fonts.CharsToNextRun(7, 10), 3);
  EXPECT_EQ(section.Fonts.CharsToNextRun(9, 10), 1);
}

TEST_F(FontRunTest, FontChangesWithoutTextReuseTheLastRun) {
  TSection& section = AddText(U"one ");
  TMyFont italic = BaseFont();
  italic.SetStyle(fsItalic);
  section.ChangeFont(Document, italic);
  TMyFont big = BaseFont();
  big.SetScale(Document, 24);
  section.ChangeFont(Document, big, fsUnderline);
  section.AppendText(U"two");
  ASSERT_EQ(section.Fonts.Count(), 2u);
  const TFontObj& run = section.Fonts.Last();
  EXPECT_EQ(run.Pos, 4);
  EXPECT_EQ(run.Font().Scale, 24);
  EXPECT_EQ(run.Font().Size(), 24);
  EXPECT_EQ(run.Font().Style(), fsUnderline);  // the italic font was replaced, not merged
  EXPECT_EQ(run.LineHeight(), 32);
  EXPECT_EQ(run.Descent(), 8);
}

TEST_F(FontRunTest, RunsInsideALinkKeepTheLink) {
  TSection& section = AddText(U"see ");
  const TUrlTarget link = Link(U"page.htm");
  section.SetLink(symHref, Document, BaseFont(), &link);
  section.AppendText(U"the ");
  TMyFont bold = BaseFont();
  bold.SetStyle(fsBold);
  section.ChangeFont(Document, bold, fsBold);
  section.AppendText(U"bold");
  section.SetLink(symAnchorEnd, Document, BaseFont(), nullptr);
  section.AppendText(U" word");
  ASSERT_EQ(section.Fonts.Count(), 4u);
  EXPECT_TRUE(section.Fonts[0].UrlTarget().Url.empty());
  EXPECT_EQ(section.Fonts[1].UrlTarget().Url, U"page.htm");
  EXPECT_EQ(section.Fonts[2].UrlTarget().Url, U"page.htm");  // the bold word is still the link
  EXPECT_EQ(section.Fonts[2].UrlTarget().Target, U"frame");
  EXPECT_EQ(section.Fonts[2].Font().Style(), fsBold);
  EXPECT_TRUE(section.Fonts[3].UrlTarget().Url.empty());
}

TEST_F(FontRunTest, EqualLinksAreKeptOnceUntilTheDocumentIsCleared) {
  const TUrlTarget link = Link(U"page.htm"), same = Link(U"page.htm");
  TUrlTarget otherFrame = Link(U"page.htm");
  otherFrame.Target = U"top";
  TSection& first = AddText(U"a ");
  first.SetLink(symHref, Document, BaseFont(), &link);
  first.AppendText(U"b");
  TSection& second = AddText(U"c ");
  second.SetLink(symHref, Document, BaseFont(), &same);
  second.AppendText(U"d ");
  second.SetLink(symHref, Document, BaseFont(), &otherFrame);
  second.AppendText(U"e");
  TUrlTarget none;
  second.SetLink(symHref, Document, BaseFont(), &none);  // an empty URL is no link
  second.AppendText(U"f");
  EXPECT_EQ(&first.Fonts[1].UrlTarget(), &second.Fonts[1].UrlTarget());
  EXPECT_EQ(second.Fonts[2].UrlTarget().Target, U"top");
  EXPECT_FALSE(second.Fonts[3].IsLink());
  EXPECT_EQ(Document.RunFonts.LinkCount(), 2u);
  Document.Clear();
  EXPECT_EQ(Document.RunFonts.LinkCount(), 0u);
}

TEST_F(FontRunTest, ScriptsShrinkAndMove) {
  TSection& section = AddText(U"H");
  section.ChangeFont(Document, BaseFont(), 0, skSubscript);
  section.AppendText(U"2");
  section.ChangeFont(Document, BaseFont(), 0, skSuperscript);
  section.AppendText(U"x");
  const TFontObj& sub = section.Fonts[1];
  EXPECT_EQ(sub.Font().Scale, 9);
  EXPECT_EQ(sub.Font().Size(), 9);   // at a default size of 12 points
  EXPECT_EQ(sub.LineHeight(), 12);   // 9 points are 12 pixels
  EXPECT_EQ(sub.Descent(), 3);
  EXPECT_EQ(sub.ScriptOffset(), 2);  // half its descent plus one, downward
  EXPECT_EQ(section.Fonts[2].ScriptOffset(), -4);  // a third of the line height, upward
  EXPECT_EQ(section.Fonts[0].ScriptOffset(), 0);
  // A script switched off again gives the full scale back.
  section.ChangeFont(Document, BaseFont());
  section.AppendText(U"y");
  EXPECT_EQ(section.Fonts.Last().Font().Scale, 12);
}

TEST_F(FontRunTest, RefreshGivesRunsTheDocumentDefaults) {
  TSection& section = AddText(U"plain ");
  const TUrlTarget link = Link(U"a.htm");
  section.SetLink(symHref, Document, BaseFont(), &link);
  section.AppendText(U"link ");
  TMyFont red = BaseFont();
  red.SetColor(clRed | PaletteRelative);
  red.SetName("Arial");
  section.SetLink(symAnchorEnd, Document, red, nullptr);
  section.AppendText(U"red");
  TMyFont fixed = BaseFont();
  fixed.Fixed = true;
  fixed.SetScale(Document, 10);
  section.ChangeFont(Document, fixed);
  section.AppendText(U"code");

  Document.SetDefaults("Arial", "Mono", 24, clGreen, clPurple, clWhite);
  EXPECT_EQ(section.Fonts[0].Font().Color(), clGreen | PaletteRelative);
  EXPECT_EQ(section.Fonts[1].Font().Color(), clPurple | PaletteRelative);
  EXPECT_EQ(section.Fonts[2].Font().Color(), clGreen | PaletteRelative);  // FONT COLOR is gone
  EXPECT_EQ(section.Fonts[2].Font().Name(), "Arial");
  EXPECT_EQ(section.Fonts[3].Font().Name(), "Mono");
  EXPECT_EQ(section.Fonts[3].Font().Size(), 20);
  EXPECT_EQ(section.Fonts[0].Font().Size(), 24);
  EXPECT_EQ(section.Fonts[0].LineHeight(), 32);  // measured again after the change
}

TEST_F(FontRunTest, RunsOfAllSectionsShareFontsAndARefreshLetsGoOfTheOldOnes) {
  TSection& section = ThreeRuns();  // plain, bold, plain
  TSection& other = AddText(U"more");
  EXPECT_EQ(Document.RunFonts.Count(), 2u);
  EXPECT_EQ(&section.Fonts[0].Font(), &section.Fonts[2].Font());
  EXPECT_EQ(&other.Fonts[0].Font(), &section.Fonts[0].Font());
  Document.SetDefaults("Arial", "Mono", 24, clGreen, clPurple, clWhite);
  EXPECT_EQ(Document.RunFonts.Count(), 2u);
  EXPECT_EQ(section.Fonts[2].Font().Size(), 24);
  EXPECT_EQ(other.Fonts[0].Font().Size(), 24);
  EXPECT_EQ(section.Fonts[1].Font().Style(), fsBold);
}

TEST_F(FontRunTest, SizesRoundAndStayInRange) {
  EXPECT_EQ(ScaledFontSize(12, 9), 9);
  EXPECT_EQ(ScaledFontSize(6, 7), 4);    // 3.5 rounds up
  EXPECT_EQ(ScaledFontSize(10, 9), 8);   // 7.5 rounds up
  EXPECT_EQ(ScaledFontSize(13, 8), 9);   // 8.67
  EXPECT_EQ(ScaledFontSize(2000000000, 36), MaxFontPoints);
  EXPECT_EQ(ScaledFontSize(6, 0), 1);
  EXPECT_EQ(MulDiv(-7, 1, 2), -4);
}

TEST_F(FontRunTest, NewSectionCarriesStyleAndLink) {
  const TUrlTarget link = Link(U"x.htm");
  TSection section(Document.RunFonts, 1, jCentre, &link, BaseFont(), fsItalic | fsStrikeOut);
  EXPECT_EQ(section.Fonts.Count(), 1u);
  EXPECT_EQ(section.Fonts[0].Font().Style(), fsItalic | fsStrikeOut);
  EXPECT_EQ(section.Fonts[0].UrlTarget().Url, U"x.htm");
  EXPECT_EQ(section.Indent, 35);
  EXPECT_EQ(section.MarkerFont, nullptr);
}
