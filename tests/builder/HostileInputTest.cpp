// Markup that is broken, unbalanced or absurd gets a bounded fallback, never a crash.
#include <algorithm>
#include <climits>

#include "BuilderFixture.h"
#include "html/builder/HtmlBuilder.h"
#include "html/document/BlockSpaces.h"

namespace {

std::string Repeat(std::string_view text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

}  // namespace

TEST_F(BuilderTest, FontStackOverflowIgnoresFurtherFontsAndEndTagsStillPop) {
  Build(Repeat("<font size=7>", 100) + "a" + Repeat("</font>", 100) + "b" +
        Repeat("<font size=1>", 30) + "<h1>c</h1>" + Repeat("<tt>", 5) + "<a href=u>d</a>");  // one TT fits
  ASSERT_EQ(Kinds(), "TSection THeadingSpace TSection");  // only the heading's end tag acts
  EXPECT_EQ(TextAt(0), U"abc");
  EXPECT_EQ(RunAt(0, 0).Font().Scale, 36);
  EXPECT_EQ(RunAt(0, 1).Font().Scale, 12);
  EXPECT_EQ(RunAt(0, 2).Font().Scale, 8);
  // The link works without a font of its own.
  EXPECT_EQ(UrlOf(RunAt(2, 0)), U"u");
  EXPECT_FALSE(RunAt(2, 0).Font().Style() & fsUnderline);
}

TEST_F(BuilderTest, DeepNestingIsCutOff) {
  Build(Repeat("<ul><li>a", 10000) + Repeat("</ul>", 10000) + Repeat("<center><div>", 5000) +
        "b" + Repeat("</div>", 10000) + Repeat("<blockquote><ol start=2147483647><li>c<li>", 3000) + "end");
  int deepest = 0;
  for (std::size_t i = 0; i < Document.Count(); ++i)
    if (auto* section = dynamic_cast<TSection*>(&Document[i]))
      deepest = std::max(deepest, section->Level);
  EXPECT_EQ(deepest, THtmlBuilder::MaxNesting);
  // Items of the lists beyond the cut join the deepest list; the numbers stop at the largest.
  int last = 0;
  for (std::size_t i = 0; i < Document.Count(); ++i)
    if (auto* item = dynamic_cast<TOListItem*>(&Document[i])) last = item->ListNumber;
  EXPECT_EQ(last, INT_MAX);
  EXPECT_EQ(TextAt(Document.Count() - 1), U"end");
}

TEST_F(BuilderTest, UnclosedMarkupAndContentAfterBodyEnd) {
  Build("<b><i><a href=x><ul><li><ol><li><center><pre><tt>text");
  auto found = std::find_if(Document.begin(), Document.end(), [](const auto& section) {
    auto* pre = dynamic_cast<TPreFormated*>(section.get());
    return pre && pre->Text == U"text";
  });
  ASSERT_NE(found, Document.end());
  const TFontObj& run = static_cast<TSection&>(**found).Fonts[0];
  EXPECT_EQ(UrlOf(run), U"x");
  EXPECT_EQ(run.Font().Style(), fsBold | fsItalic | fsUnderline);

  Document.Clear();
  Build("<h9>a</body>b<p>c");
  EXPECT_EQ(Kinds(), "TSection THeadingSpace TSection");
  // H takes only the levels 1 to 6; anything else is a plain level 0 heading.
  EXPECT_EQ(dynamic_cast<THeadingSpace&>(Document[1]).HeadingLevel, 0);
  EXPECT_EQ(TextAt(2), U"a");
  EXPECT_EQ(RunAt(2, 0).Font().Scale, 12);
}
