// Page styles in the builder: what the page's sheets and STYLE attributes change in the
// document, and what they must leave as it was.
#include <filesystem>
#include <fstream>

#include "BuilderFixture.h"
#include "html/forms/HtmlForm.h"
#include "html/tables/Table.h"
#include "platform/headless/HeadlessFormControls.h"

namespace {

class PageStyleTest : public BuilderTest {
 protected:
  THeadlessFormControls Controls;
  TPageStyleOptions Styles{true, {}, {}};

  PageStyleTest() { Document.ControlFactory = &Controls; }

  void BuildStyled(std::string_view html) {
    ParseHtmlBuffer(Document, Anchors, html, Meta, nullptr, Sound, Include, Script, Head, Styles);
  }

  std::u32string AllText() const {
    std::u32string text;
    for (const auto& section : Document)
      if (auto* textSection = dynamic_cast<const TSection*>(section.get()))
        text += textSection->Text.str() + U"|";
    return text;
  }

  std::size_t ControlCount() const {
    std::size_t count = 0;
    for (const auto& form : Document.Forms) count += form->ControlList.size();
    return count;
  }
};

// Everything a build gives that the dump shows: kinds, texts, levels, runs.
std::string Describe(const TSectionList& document) {
  std::string out;
  for (const auto& section : document) {
    out += section->KindName();
    if (auto* text = dynamic_cast<const TSection*>(section.get())) {
      const std::u32string chars = text->Text.str();
      out += " L" + std::to_string(text->Level) + " J" + std::to_string(int(text->Justify)) +
             " [" + std::string(chars.begin(), chars.end()) + "]";
      for (const auto& run : text->Fonts) {
        const TFont& font = run.Font();
        out += " " + std::to_string(run.Pos) + ":" + font.Name() + "/" +
               std::to_string(font.Size()) + "/" + std::to_string(font.Style()) + "/" +
               std::to_string(font.Color()) + "/" + std::to_string(run.ScriptKind);
      }
    }
    out += "\n";
  }
  return out;
}

}  // namespace

TEST_F(PageStyleTest, HiddenElementsLeaveNoTextAnchorsControlsOrPictures) {
  BuildStyled(
      "<style>.h { display: none }</style><form><p>a<span class=h id=gone>b"
      "<a name=lost href=x>c</a><input name=q><img src=x.gif><script>if (a<b) {}</script>"
      "</span>d<input name=kept></form>"
      "<ul><li class=h id=item>e<li>f</ul><ol><li>h<li class=h>i</ol>j"
      "<div class=h>never closed<p>g");
  // The end of the list around the last item, hidden and left open, still ends the list.
  EXPECT_EQ(AllText(), U"|ad\x02|f|h|j|");
  EXPECT_EQ(At(Document.Count() - 1).Level, 0);
  EXPECT_EQ(Anchors.Count(), 0u);
  EXPECT_EQ(ControlCount(), 1u);
  // Void elements and a self-closed one hide alone.
  Document.Clear();
  BuildStyled("<style>img, br, b { display: none }</style>x<img src=a.gif><br>y<b/>z");
  EXPECT_EQ(AllText(), U"xyz|");
}

TEST_F(PageStyleTest, DisplayMakesBlocksFlowAndInlineElementsBreak) {
  BuildStyled(
      "<style>ul.menu li { display: inline } h3.run { display: inline }"
      " .own { display: block }</style>"
      "<ul class=menu><li><a href=a>One</a> |<li>Two</ul>"
      "<p>x <span class=own>y</span> z <h3 class=run>w</h3> v");
  ASSERT_EQ(Kinds(), "TSection TSection TParagraphSpace TSection TSection TSection");
  EXPECT_EQ(TextAt(1), U"One |Two");  // no markers, one line
  EXPECT_EQ(At(1).Level, 1);          // the list still indents
  EXPECT_EQ(TextAt(3), U"x ");
  EXPECT_EQ(TextAt(4), U"y");
  EXPECT_EQ(TextAt(5), U"z w v");
}

TEST_F(PageStyleTest, PageRulesOverrideOnlyWhatThePageDecides) {
  BuildStyled(
      "<style>body { color: #336699 } b { font-weight: normal } a.quiet { text-decoration: none }"
      " h1 { font-size: 24px; font-family: sans-serif } .m { font-family: monospace }</style>"
      "<body>t <a href=x>l</a> <font color=red>f</font> <b>n</b> <a class=quiet href=y>q</a>"
      "<h1>H <span class=m>c</span></h1>");
  const TColor page = Rgb(0x33, 0x66, 0x99) | DocumentColorFlag;
  EXPECT_EQ(RunAt(0, 0).Font().Color(), page);
  // The viewer's link colour and FONT COLOR stand against an inherited page colour.
  EXPECT_EQ(RunAt(0, 2).Font().Color(), Document.HotSpotColor);
  EXPECT_EQ(RunAt(0, 4).Font().Color(), clRed | DocumentColorFlag);
  EXPECT_FALSE(RunAt(0, 6).Font().Style() & fsBold);
  EXPECT_FALSE(RunAt(0, 8).Font().Style() & fsUnderline);
  EXPECT_EQ(RunAt(0, 8).Font().Color(), Document.HotSpotColor);
  // 24px is 18 twelfths of the 16px default; the span takes the fixed face at the heading's
  // size.
  const TMyFont& heading = static_cast<const TMyFont&>(RunAt(2, 0).Font());
  EXPECT_EQ(heading.Scale, 18);
  EXPECT_EQ(heading.Name(), "Arial");
  EXPECT_TRUE(heading.Style() & fsBold);
  const TMyFont& code = static_cast<const TMyFont&>(RunAt(2, 2).Font());
  EXPECT_EQ(code.Name(), Document.PreFontName);
  EXPECT_EQ(code.Scale, 18);
}

TEST_F(PageStyleTest, ColoursUnreadableOnTheDrawnBackgroundAreLeftOut) {
  // The banner's dark background is not drawn: its white text would vanish on white.
  BuildStyled("<style>body { background: white } .banner { background: navy; color: white }"
              " .note { color: #800000 }</style><body><div class=banner>b</div>"
              "<p class=note>n");
  EXPECT_EQ(Document.Background, clWhite | DocumentColorFlag);
  EXPECT_EQ(RunAt(1, 0).Font().Color(), Document.FontColor);
  EXPECT_EQ(RunAt(4, 0).Font().Color(), Rgb(0x80, 0, 0) | DocumentColorFlag);
}

TEST_F(PageStyleTest, BlocksTakeAlignmentIndentMarkersAndCellStyles) {
  BuildStyled(
      "<style>.c { text-align: center } div.in { margin-left: 70px } ul.flat { padding: 0 }"
      " ol.up { list-style-type: upper-roman } ul.n { list-style: decimal }"
      " td.k { background: #ffe0e0; white-space: nowrap }</style>"
      "<div class=c>a<p align=right>b</div><div class=in>c</div><ul class=flat><li>d</ul>"
      "<ol class=up><li>e</ol><ul class=n><li>f<li>g</ul>"
      "<table><tr><td class=k>h</table>");
  EXPECT_EQ(At(1).Justify, jCentre);
  EXPECT_EQ(At(3).Justify, jRight);  // ALIGN on the element wins over what it inherits
  EXPECT_EQ(At(5).Level, 2);
  EXPECT_EQ(At<TUListItem>(7).Level, 0);
  ASSERT_EQ(Kinds(), "TSection TSection TParagraphSpace TSection TSection TSection TSection "
                     "TUListItem TOListItem TOListItem TOListItem ThtmlTable");
  const auto& roman = At<TOListItem>(8);
  EXPECT_EQ(roman.NumberStyle, U'I');
  const auto& numbered = At<TOListItem>(10);
  EXPECT_EQ(numbered.NumberStyle, U'1');
  EXPECT_EQ(numbered.ListNumber, 2);
  const auto& table = dynamic_cast<const ThtmlTable&>(Document[11]);
  const TCellObj& cell = *table.Rows[0]->Cells[0];
  EXPECT_TRUE(cell.Cell.HasBackground);
  EXPECT_EQ(cell.Cell.BackgroundColor, Rgb(0xff, 0xe0, 0xe0) | DocumentColorFlag);
  EXPECT_TRUE(cell.NoWrap);
}

TEST_F(PageStyleTest, SelectorsSeeTheElementsTheHtmlImplies) {
  // DIV ends the open P, so it is BODY's child; the second LI is no child of the first.
  BuildStyled("<style>p > div, li li { color: red } body > div, li:first-child { color: blue }"
              "</style><body><p>a<div>b</div><ul><li>c<li>d</ul>");
  const TColor blue = clBlue | DocumentColorFlag;
  EXPECT_EQ(RunAt(3, 0).Font().Color(), blue);
  EXPECT_EQ(RunAt(5, 0).Font().Color(), blue);
  EXPECT_EQ(RunAt(6, 0).Font().Color(), Document.FontColor);
}

TEST_F(PageStyleTest, WithoutPageStylesOrWithoutCssTheBuildIsUnchanged) {
  const std::string_view styled =
      "<style>p { color: red; display: none }</style><p style='font-size: 30px'>a<ul><li>b</ul>";
  const std::string_view plain =
      "<body text=navy><h2 align=center>T</h2><p>a <b>b <a href=x>c</a></b><font size=5>d</font>"
      "<ul><li>e<ol type=i><li>f</ol></ul><pre>g\n h</pre><table><tr><th>i<td>j</table>";
  for (const std::string_view page : {styled, plain}) {
    Build(page);
    const std::string unstyled = Describe(Document);
    Document.Clear();
    Anchors.Clear();
    Styles.UsePageStyles = false;
    BuildStyled(page);
    EXPECT_EQ(Describe(Document), unstyled);
    Document.Clear();
    Anchors.Clear();
    Styles.UsePageStyles = true;
  }
  BuildStyled(plain);
  const std::string withStyles = Describe(Document);
  Document.Clear();
  Anchors.Clear();
  Build(plain);
  EXPECT_EQ(withStyles, Describe(Document));
}

TEST_F(PageStyleTest, SheetsApplyFromWhereTheyStandAndAttributesWin) {
  BuildStyled("<p><span class=x>a</span><style>.x { color: red } #i { color: green }</style>"
              "<span class=x>b</span><span class=x id=i style='color: blue'>c</span>");
  EXPECT_EQ(RunAt(2, 0).Font().Color(), Document.FontColor);
  EXPECT_EQ(RunAt(2, 1).Font().Color(), clRed | DocumentColorFlag);
  EXPECT_EQ(RunAt(2, 2).Font().Color(), clBlue | DocumentColorFlag);
}

TEST_F(PageStyleTest, LinkedSheetsAreReadOnceAndOnlyOneImportDeep) {
  const auto folder = std::filesystem::temp_directory_path() / "tamblin-page-style-test";
  std::filesystem::create_directories(folder);
  const auto write = [&](const char* name, const char* text) {
    std::ofstream(folder / name) << text;
  };
  write("a.css", "@import 'b.css'; .a { color: red }");
  write("b.css", "@import 'c.css'; @import 'a.css'; .b { font-weight: bold }");
  write("c.css", ".c { font-style: italic }");
  std::vector<std::string> asked;
  Styles.ResolveLink = [&](std::u32string_view link, std::u32string_view, const std::string&) {
    asked.emplace_back(link.begin(), link.end());
    return (folder / std::string(link.begin(), link.end())).string();
  };
  BuildStyled("<link rel=stylesheet href=a.css><link rel='alternate stylesheet' href=c.css>"
              "<link rel=stylesheet href=missing.css><link rel=stylesheet media=print href=c.css>"
              "<p><span class=a>a</span><span class='b c'>b</span>");
  EXPECT_EQ(asked, (std::vector<std::string>{"a.css", "b.css", "missing.css"}));
  EXPECT_EQ(RunAt(2, 0).Font().Color(), clRed | DocumentColorFlag);
  EXPECT_TRUE(RunAt(2, 1).Font().Style() & fsBold);
  EXPECT_FALSE(RunAt(2, 1).Font().Style() & fsItalic);
  std::filesystem::remove_all(folder);
}

TEST_F(PageStyleTest, HostileNestingAndStylesStayBounded) {
  std::string html = "<style>span { color: red } span span { font-size: 200% }</style>";
  for (int i = 0; i < 20000; ++i) html += "<span style='font-size: 1.5em'>";
  html += "deep";
  for (int i = 0; i < 20000; ++i) html += "<p class=h><li>";
  BuildStyled(html);
  EXPECT_NE(AllText().find(U"deep"), std::u32string::npos);
  const TMyFont& deep = static_cast<const TMyFont&>(RunAt(0, 0).Font());
  EXPECT_LE(deep.Scale, 120);  // sizes stay within the model's range
}
