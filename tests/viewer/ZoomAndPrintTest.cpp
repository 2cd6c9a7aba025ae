// Zoom, and printing: where pages are cut and what each page shows.
#include "ViewerFixture.h"

#include "html/viewer/PageBreaks.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

TEST_F(ViewerTest, ZoomScalesEveryFontAndKeepsTheReadingPlace) {
  // 30 paragraphs: a space of 14 pixels, then a line of 16. The view halfway into the line
  // of paragraph 8.
  std::string paragraphs;
  for (int i = 0; i < 30; ++i) paragraphs += "<p>Line " + std::to_string(i);
  Show(paragraphs);
  ASSERT_EQ(Viewer->DocumentHeight(), 30 * 30 + 10);
  Viewer->ScrollTo(8 * 30 + 14 + 8);
  Viewer->SetZoom(200);
  EXPECT_EQ(Document().FontSize, 24);
  EXPECT_EQ(Viewer->DefFontSize(), 12);  // the setting stays the page's own
  EXPECT_EQ(Viewer->DocumentHeight(), 30 * 60 + 10);
  EXPECT_EQ(Viewer->VScrollPos(), 8 * 60 + 28 + 16);  // still halfway into that line
  Viewer->SetZoom(100);
  EXPECT_EQ(Viewer->VScrollPos(), 8 * 30 + 14 + 8);

  // Sizes the page sets itself scale too: size 7 is three times the default.
  Viewer->SetZoom(50);
  Show("<font size=7>X</font>");
  EXPECT_EQ(Viewer->DocumentHeight(), 24 + 10);  // 18 points at half size
  Viewer->SetZoom(200);
  EXPECT_EQ(Viewer->DocumentHeight(), 96 + 10);
  // The zoom applies to a new default size and lasts across loads.
  Viewer->SetDefFontSize(18);
  EXPECT_EQ(Document().FontSize, 36);
  Show(Lines(1));
  EXPECT_EQ(Viewer->DocumentHeight(), 48 + 10);

  Viewer->SetZoom(10000);
  EXPECT_EQ(Viewer->Zoom(), TriruRedu::MaxZoom);
  Viewer->SetZoom(0);
  EXPECT_EQ(Viewer->Zoom(), TriruRedu::MinZoom);
}

TEST(PageBreaks, PagesAreCutWhereNoBandIsCrossed) {
  // Nothing in the way: full pages.
  EXPECT_EQ(PageTops({}, 250, 100), (std::vector<int>{0, 100, 200}));
  EXPECT_EQ(PageTops({}, 100, 100), (std::vector<int>{0}));
  // A line across the cut moves it up to the line's top.
  EXPECT_EQ(PageTops({{90, 110}, {170, 230}}, 250, 100), (std::vector<int>{0, 90, 170}));
  // Overlapping bands: the cut goes above both.
  EXPECT_EQ(PageTops({{80, 120}, {60, 95}}, 150, 100), (std::vector<int>{0, 60}));
  // A band taller than a page is cut where it must be, once it starts a page.
  EXPECT_EQ(PageTops({{50, 300}}, 400, 100), (std::vector<int>{0, 50, 150, 250, 350}));
  // A band that ends exactly at the cut does not cross it.
  EXPECT_EQ(PageTops({{80, 100}, {100, 120}}, 150, 100), (std::vector<int>{0, 100}));
}

TEST_F(ViewerTest, BandsFollowLinesRulesAndTableCells) {
  // A rule, then a table of two cells with two and three lines; the view's margin is 5.
  Show("<hr><table><tr><td>a<br>b</td><td>c<br>d<br>e</td></tr></table>");
  const std::vector<TPageBand> bands = UncuttableBands(Document());
  int lines = 0;
  for (const TPageBand& band : bands)
    if (band.Bottom - band.Top == 16) ++lines;
  EXPECT_EQ(lines, 5);
  // The rule comes first and keeps its own band.
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(bands.front().Top, 5);
  EXPECT_GT(bands.front().Bottom, 5);
}

TEST_F(ViewerTest, PrintingDrawsWholeLinesOnEachPageAndGivesTheWindowBackItsLayout) {
  Host->SetBounds({0, 0, 400, 100});  // the window shows part of the page
  Show("<body bgcolor=white text=black>" + Lines(10));
  Viewer->SelectAllText();
  Viewer->ScrollTo(37);
  ASSERT_EQ(Viewer->VScrollPos(), 37);
  const int height = Viewer->DocumentHeight();
  const int selectionEnd = SelectionEnd();

  // Pages 50 pixels high take three lines of 16 each: cuts at 48, 96 and 144.
  std::vector<std::unique_ptr<TBitmap>> pages;
  std::vector<std::unique_ptr<TCanvas>> canvases;
  const int count = Viewer->PrintDocument(200, 50, [&](int index, int total) -> TCanvas& {
    EXPECT_EQ(index, int(pages.size()));
    EXPECT_EQ(total, 4);
    pages.push_back(std::make_unique<TBitmap>(200, 50));
    canvases.push_back(Graphics.CanvasFor(*pages.back()));
    return *canvases.back();
  });
  ASSERT_EQ(count, 4);
  const auto inkInRow = [](const TBitmap& page, int y) {
    for (int x = 0; x < page.Width(); ++x)
      if (page.Pixel(x, y) != clWhite) return true;
    return false;
  };
  for (const auto& page : pages) {
    // "Line i": glyph blocks from the line's top to its baseline, 12 rows, the selection
    // not shown (no highlight behind the text).
    EXPECT_TRUE(inkInRow(*page, 0));
    EXPECT_TRUE(inkInRow(*page, 11));
    EXPECT_FALSE(inkInRow(*page, 13));
    EXPECT_EQ(page->Pixel(199, 5), clWhite);
  }
  for (int page = 0; page < 3; ++page) {
    EXPECT_TRUE(inkInRow(*pages[std::size_t(page)], 32));  // the third line
    // Nothing of the next page's first line below the cut.
    EXPECT_FALSE(inkInRow(*pages[std::size_t(page)], 48));
    EXPECT_FALSE(inkInRow(*pages[std::size_t(page)], 49));
  }
  EXPECT_FALSE(inkInRow(*pages[3], 16));  // the last page holds one line

  EXPECT_EQ(Viewer->DocumentHeight(), height);
  EXPECT_EQ(Viewer->VScrollPos(), 37);
  EXPECT_EQ(SelectionEnd(), selectionEnd);
}
