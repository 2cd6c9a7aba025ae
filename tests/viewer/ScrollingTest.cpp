// Scroll-bar arithmetic, scrolling by bar, keys and wheel, and the reading position.
#include "ViewerFixture.h"

namespace {

THeadlessScrollBar& Headless(TScrollBar& bar) { return static_cast<THeadlessScrollBar&>(bar); }

}  // namespace

TEST_F(ViewerTest, BarsFollowTheDocumentAndTheSize) {
  // 30 lines: 480 pixels and the margins, in a host of 400 x 300 with a border of 1.
  Show(Lines(30));
  const TScrollBar& vertical = Viewer->VScrollBar();
  EXPECT_EQ(Viewer->DocumentHeight(), 490);
  EXPECT_TRUE(vertical.Visible());
  EXPECT_FALSE(Viewer->HScrollBar().Visible());
  EXPECT_EQ(Panel().Bounds(), (TRect{1, 1, 383, 299}));
  EXPECT_EQ(vertical.Bounds(), (TRect{383, 1, 399, 299}));
  EXPECT_EQ(vertical.PageSize(), 299);
  EXPECT_EQ(vertical.Max(), 490);
  EXPECT_EQ(vertical.LastPosition(), 490 - 298);
  EXPECT_EQ(vertical.LargeChange(), 298 - 16);

  // Smaller: lines still fit, the range grows by the height lost.
  Host->SetBounds({0, 0, 200, 100});
  EXPECT_EQ(Panel().Bounds(), (TRect{1, 1, 183, 99}));
  EXPECT_EQ(vertical.LastPosition(), 490 - 98);

  // Tall enough for the whole document: no bar, and the view is at the top.
  Viewer->ScrollTo(300);
  Host->SetBounds({0, 0, 200, 600});
  EXPECT_FALSE(vertical.Visible());
  EXPECT_EQ(Viewer->VScrollPos(), 0);
  EXPECT_EQ(Panel().Bounds(), (TRect{1, 1, 199, 599}));

  // Without a border the panel fills the host.
  Viewer->SetBorderStyle(htNone);
  EXPECT_EQ(Panel().Bounds(), (TRect{0, 0, 200, 600}));
}

TEST_F(ViewerTest, ScrollStylesDecideWhichBarsMayShow) {
  const std::string wide = "<pre>" + std::string(100, 'w') + "</pre>";  // 100 x 7 pixels
  Show(wide + Lines(30));
  EXPECT_TRUE(Viewer->VScrollBar().Visible());
  EXPECT_TRUE(Viewer->HScrollBar().Visible());
  EXPECT_EQ(Panel().Bounds(), (TRect{1, 1, 383, 283}));

  Viewer->SetScrollBars(ssHorizontal);
  EXPECT_FALSE(Viewer->VScrollBar().Visible());
  EXPECT_TRUE(Viewer->HScrollBar().Visible());

  Viewer->SetScrollBars(ssNone);
  EXPECT_FALSE(Viewer->VScrollBar().Visible());
  EXPECT_FALSE(Viewer->HScrollBar().Visible());
  // Keys still scroll, within the document's height: the PRE's line and the paragraph
  // space after it, 30 x 16 and one margin.
  EXPECT_TRUE(Windowing.PressKey(vkEnd));
  EXPECT_EQ(Viewer->VScrollPos(), 13 + 14 + 480 + 5 - 298);
}

TEST_F(ViewerTest, WideContentStaysReachable) {
  // A preformatted line of 500 characters: 3500 pixels, far wider than the panel.
  Show("<pre>" + std::string(499, 'w') + "E</pre>");
  const TScrollBar& horizontal = Viewer->HScrollBar();
  EXPECT_EQ(Viewer->DocumentWidth(), 3500);
  EXPECT_EQ(horizontal.Max(), 3500 + 2 * 10);
  Headless(Viewer->HScrollBar()).Scroll(scBottom);
  EXPECT_EQ(Viewer->HScrollPos(), 3520 - 398);
  Paint();
  // The last character ends 10 pixels (the margin) left of the panel's right edge.
  const int row = 5 + 13 - 4 - 3;  // inside the glyph boxes, above the baseline
  const TBitmap& surface = Panel().Surface();
  EXPECT_NE(surface.Pixel(398 - 10 - 3, row), surface.Pixel(398 - 3, row));
  EXPECT_EQ(surface.Pixel(398 - 10 - 3, row), surface.Pixel(398 - 10 - 7 - 3, row));
}

TEST_F(ViewerTest, BarKeysAndWheelScroll) {
  Show(Lines(100));
  auto& vertical = Headless(Viewer->VScrollBar());
  vertical.Scroll(scTrack, 100);
  EXPECT_EQ(Viewer->VScrollPos(), 100);
  EXPECT_EQ(vertical.Scroll(scPosition, 150), 100);  // letting go leaves the view in place
  vertical.Scroll(scLineDown);
  EXPECT_EQ(Viewer->VScrollPos(), 116);
  EXPECT_TRUE(Viewer->Panel().HasFocus());

  Paint();
  EXPECT_TRUE(Windowing.PressKey(vkDown));
  EXPECT_EQ(Viewer->VScrollPos(), 132);
  EXPECT_TRUE(Panel().Invalid().IsEmpty());  // the pixels moved; only the strip was painted
  EXPECT_TRUE(Windowing.PressKey(vkNext));
  EXPECT_EQ(Viewer->VScrollPos(), 132 + 298 - 16);
  EXPECT_EQ(Panel().Invalid(), (TRect{0, 0, 382, 298}));
  EXPECT_EQ(vertical.Position(), Viewer->VScrollPos());
  Windowing.PressKey(vkEnd);
  EXPECT_EQ(Viewer->VScrollPos(), 1610 - 298);
  Windowing.PressKey(vkHome);
  EXPECT_EQ(Viewer->VScrollPos(), 0);
  Windowing.PressKey(vkUp);
  EXPECT_EQ(Viewer->VScrollPos(), 0);

  // A notch is three small changes.
  EXPECT_TRUE(Panel().TurnWheel(-120, 50, 50));
  EXPECT_EQ(Viewer->VScrollPos(), 48);
  Panel().TurnWheel(240, 50, 50);
  EXPECT_EQ(Viewer->VScrollPos(), 0);

  // A key handler that clears the key takes it over.
  Viewer->OnKeyDown = [](TriruRedu*, TKey& key, TShiftState) { key = 0; };
  Windowing.PressKey(vkDown);
  EXPECT_EQ(Viewer->VScrollPos(), 0);
}

TEST_F(ViewerTest, TheReadingPositionSurvivesRelayoutAtAnotherWidth) {
  // Paragraphs of 40 words of 4 letters wrap differently at each width.
  std::string page;
  for (int i = 0; i < 30; ++i) {
    page += "<p>";
    for (int w = 0; w < 40; ++w) page += "word ";
    page += "</p>";
  }
  Show(page);
  int top = 0, index = 0;
  Document().SectionAtY(Document().HeightAbove(21) + 7, top, index);
  ASSERT_EQ(index, 21);
  Viewer->ScrollTo(Document().HeightAbove(21) + 7);
  const std::int64_t position = Viewer->DocPosition();
  EXPECT_EQ(position, (std::int64_t(21) << 32) + 7);
  const int before = Viewer->VScrollPos();

  Host->SetBounds({0, 0, 250, 300});
  EXPECT_EQ(Viewer->DocPosition(), position);
  EXPECT_EQ(Viewer->VScrollPos(), Document().HeightAbove(21) + 7);
  EXPECT_NE(Viewer->VScrollPos(), before);
}

TEST_F(ViewerTest, PositionsPastSixtyFiveThousandSectionsStayExact) {
  std::string text;
  for (int i = 0; i < 70000; ++i) text += "line " + std::to_string(i) + "\n";
  const std::string name = Folder.Write("long.txt", text);
  Viewer->SetHistoryMaxCount(5);
  Viewer->OpenTextFile(name);
  ASSERT_GE(Document().Count(), 70000u);
  const int lineHeight = Document()[0].FlowHeight;
  Viewer->ScrollTo(66000 * lineHeight + 3);
  const std::int64_t position = Viewer->DocPosition();
  EXPECT_EQ(position >> 32, 66000);
  EXPECT_EQ(position & 0xFFFFFFFF, 3);

  Host->SetBounds({0, 0, 300, 300});
  EXPECT_EQ(Viewer->VScrollPos(), 66000 * lineHeight + 3);

  // Leaving the file and coming back through the history returns to the same line.
  Viewer->OpenHtmlFile(Folder.Write("other.htm", "x"));
  Viewer->SetHistoryIndex(1);
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Viewer->VScrollPos(), 66000 * lineHeight + 3);
}

TEST_F(ViewerTest, ThePanelPaintsTheBackgroundPictureTiledWithTheScroll) {
  Show(Lines(100));
  TBitmap picture(2, 2);
  picture.SetPixel(0, 0, clRed);
  picture.SetPixel(1, 0, clLime);
  picture.SetPixel(0, 1, clBlue);
  picture.SetPixel(1, 1, clYellow);
  Document().BackgroundImage = &picture;
  Viewer->SetViewImages(true);
  Viewer->ScrollTo(1);
  Paint();
  // Far right of the panel, where no text is: the picture's second row first.
  EXPECT_EQ(Panel().Surface().Pixel(300, 0), clBlue);
  EXPECT_EQ(Panel().Surface().Pixel(301, 1), clLime);
  Document().BackgroundImage = nullptr;
}
