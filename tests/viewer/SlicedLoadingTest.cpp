// Loading in slices as the host meets it: the first screen, the growing range under a still
// view, the place a page opens at, what finishes the load first, what cancels it, and the
// handlers that run inside a slice.
#include "ViewerFixture.h"

#include "html/document/Section.h"
#include "html/images/ImageCache.h"
#include "platform/Bitmap.h"
#include "tools/PictureFiles.h"

namespace {

using TLog = std::vector<std::string>;

class SlicedLoading : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    ImageCache().Clear();
    Viewer->SetProgressiveLoading(true);
    // Every look at the clock moves it on by a microsecond, so a slice ends after as many steps
    // every run; pieces of 64 bytes make many of them.
    Viewer->SetSlicePacing({6, 64, [this] { return ++Clock; }});
  }
  void TearDown() override {
    Viewer.reset();
    ImageCache().Clear();
  }

  // Runs the slice posted; answers whether the load goes on.
  bool Slice() {
    Windowing.RunPosted();
    return Viewer->Loading();
  }
  // Runs slices until the load ends; answers how many ran.
  int LoadRest() {
    int slices = 0;
    while (Viewer->Loading()) {
      Windowing.RunPosted();
      ++slices;
    }
    return slices;
  }
  void ShowFirstScreen() {
    while (!Viewer->PageShown()) {
      ASSERT_TRUE(Viewer->Loading());
      Windowing.RunPosted();
    }
  }
  int AnchorTop(std::u32string_view name) const { return Viewer->AnchorList().Find(name)->Top; }

  std::int64_t Clock = 0;
};

// A page of everything a slice may stop in the middle of: tables with form controls, floating
// and inline pictures, an animated GIF, forms and anchors.
std::string RichPage(const TTempFolder& folder) {
  TGifSpec gif{8, 8, {clRed, clBlue}, 0, {SolidFrame(8, 8, 0), SolidFrame(8, 8, 1)}};
  for (TGifFrameSpec& frame : gif.Frames) {
    frame.Control = true;
    frame.DelayHundredths = 10;
  }
  TBitmap green(30, 60);
  green.Fill(clGreen);
  WriteFile(folder.Name("anim.gif"), WriteGif(gif));
  WriteFile(folder.Name("green.png"), WritePng(green));
  WriteFile(folder.Name("green.bmp"), WriteBmp(green, 24));
  std::string page = "<title>Rich</title><body background=green.bmp>";
  for (int i = 0; i < 4; ++i) {
    const std::string n = std::to_string(i);
    page += "<p>Paragraph " + n + " <img src=anim.gif> with <img src=green.png align=left>" +
            "text beside the picture, and more of it to wrap.</p>" +
            "<table border=1><tr><td>cell <input name=e" + n + "><td><select name=s" + n +
            "><option>one<option>two</select><tr><td colspan=2><img src=green.bmp align=right>" +
            "x <textarea rows=2 cols=8>t</textarea></table>" +
            "<form><input type=checkbox name=c><input type=radio name=r><input type=submit>" +
            "</form><a name=a" + n + ">anchor " + n + "</a><br clear=all>";
  }
  return folder.Write("rich.htm", page);
}

}  // namespace

TEST_F(SlicedLoading, TheFirstScreenShowsFirstAndTheRangeGrowsUnderAStillView) {
  const std::string name = Folder.Write("page.htm", "<title>Long</title>" + Lines(300));
  TLog log;
  Viewer->OnProcessing = [&](TriruRedu*, bool on) { log.push_back(on ? "on" : "off"); };
  Viewer->OpenHtmlFile(name);
  // The load has begun: the page is the one shown, though nothing of it shows yet.
  EXPECT_TRUE(Viewer->Processing());
  EXPECT_FALSE(Viewer->PageShown());
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Document().ArrangedCount(), 0u);

  ShowFirstScreen();
  const int panelHeight = Viewer->Panel().Height();
  EXPECT_GE(Viewer->DocumentHeight(), panelHeight);
  EXPECT_LT(Viewer->DocumentHeight(), 300 * 16);
  EXPECT_EQ(Viewer->DocTitle(), U"Long");
  EXPECT_EQ(log, (TLog{"on"}));

  for (int i = 0; i < 10; ++i) ASSERT_TRUE(Slice());
  Viewer->ScrollTo(100);
  int height = Viewer->DocumentHeight();
  while (Slice()) {
    EXPECT_GE(Viewer->DocumentHeight(), height);
    height = Viewer->DocumentHeight();
    EXPECT_EQ(Viewer->VScrollPos(), 100);
    EXPECT_EQ(Viewer->VScrollBar().Position(), 100);
    EXPECT_EQ(Viewer->VScrollBar().Max(), height);
  }
  EXPECT_EQ(log, (TLog{"on", "off"}));
  EXPECT_EQ(Viewer->DocumentHeight(), 300 * 16 + 2 * 5);
  EXPECT_EQ(Viewer->VScrollPos(), 100);
  EXPECT_GT(Viewer->LoadStatistics().Slices, 10);
}

TEST_F(SlicedLoading, AnyWayOfLeavingALoadCancelsItCleanlyAtEverySliceBoundary) {
  Viewer->SetViewImages(true);
  Viewer->SetHistoryMaxCount(10);
  const std::string page = RichPage(Folder);
  const std::string other = Folder.Write("other.htm", "<title>Other</title>" + Lines(3));
  // The page laid out in one go, to compare with.
  Viewer->SetProgressiveLoading(false);
  Viewer->OpenHtmlFile(page);
  const int wholeHeight = Viewer->DocumentHeight();
  const int wholeWidth = Viewer->DocumentWidth();
  const int positions = Document().PosCount;
  const std::size_t controls = Document().FormControls.size();
  Viewer->SetProgressiveLoading(true);
  Viewer->OpenHtmlFile(page);
  const int slices = LoadRest();
  ASSERT_GT(slices, 10);
  EXPECT_EQ(Viewer->DocumentHeight(), wholeHeight);
  EXPECT_EQ(Viewer->DocumentWidth(), wholeWidth);
  EXPECT_EQ(Document().PosCount, positions);
  EXPECT_FALSE(Document().AnimatedImages.empty());

  int on = 0, off = 0;
  Viewer->OnProcessing = [&](TriruRedu*, bool value) { ++(value ? on : off); };
  enum TWay { wOpen, wBack, wForward, wReload, wClear };
  for (const TWay way : {wOpen, wBack, wForward, wReload, wClear}) {
    for (int stop = 0; stop < slices; ++stop) {
      SCOPED_TRACE("way " + std::to_string(way) + ", after slice " + std::to_string(stop));
      // The page loads with a page behind it in the history (and one ahead, for Forward).
      Viewer->OpenHtmlFile(other);
      LoadRest();
      Viewer->OpenHtmlFile(page);
      if (way == wForward) {
        LoadRest();
        Viewer->OpenHtmlFile(other);
        LoadRest();
        Viewer->SetHistoryIndex(1);  // back to the page, which loads again
      }
      for (int i = 0; i < stop && Viewer->Loading(); ++i) Slice();
      if (!Viewer->Loading()) continue;  // a load that happens to take fewer slices
      Panel().PaintInvalid();
      switch (way) {
        case wOpen: Viewer->OpenHtmlFile(other); break;
        case wBack: Viewer->SetHistoryIndex(Viewer->HistoryIndex() + 1); break;
        case wForward: Viewer->SetHistoryIndex(0); break;
        case wReload: Viewer->ReloadDocument(); break;
        case wClear: Viewer->ClearDocument(); break;
      }
      LoadRest();
      Panel().PaintInvalid();
      EXPECT_FALSE(Viewer->Processing());
      EXPECT_TRUE(Viewer->PageShown());
      if (way == wClear) {
        EXPECT_EQ(Document().Count(), 0u);
      } else if (way == wReload) {
        EXPECT_EQ(Viewer->DocumentHeight(), wholeHeight);
        EXPECT_EQ(Document().FormControls.size(), controls);
      } else {
        EXPECT_EQ(Viewer->DocTitle(), U"Other");
      }
      EXPECT_EQ(on, off);
    }
  }
}

TEST_F(SlicedLoading, APageOpensAtItsAnchorOnceTheAnchorIsLaidOut) {
  const std::string name =
      Folder.Write("page.htm", Lines(100) + "<a name=Far>far</a>" + Lines(30) +
                                   "<table><tr><td><a name=InTable>cell</a>" + Lines(100) +
                                   "</table>" + Lines(200));
  Viewer->OpenHtmlFile(name + "#far");
  ShowFirstScreen();
  // Never shown at the top: first at the anchor, with a screen laid out below it.
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 100 * 16);
  EXPECT_GE(Viewer->DocumentHeight(), Viewer->VScrollPos() + Viewer->Panel().Height());

  // An anchor read but not laid out yet (its table is not complete): the view goes there once
  // it is.
  while (!Viewer->AnchorList().Find(U"intable")) ASSERT_TRUE(Slice());
  EXPECT_TRUE(Viewer->ScrollToAnchor(U"#InTable"));
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 100 * 16);
  while (Viewer->VScrollPos() == 5 + 100 * 16) ASSERT_TRUE(Slice());
  EXPECT_EQ(Viewer->VScrollPos(), AnchorTop(U"intable"));
  EXPECT_TRUE(Viewer->Loading());

  // Reload keeps the reading position, showing nothing until it is laid out again.
  Viewer->ScrollTo(5 + 60 * 16);
  Viewer->ReloadDocument();
  ShowFirstScreen();
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 60 * 16);
}

TEST_F(SlicedLoading, FindSelectAllEndAndUnknownAnchorsFinishTheLoadFirst) {
  const std::string name = Folder.Write("page.htm", Lines(300));
  int busyAtEnd = -1;
  Viewer->OnProcessing = [&](TriruRedu*, bool on) {
    if (!on) busyAtEnd = Windowing.BusyDepth();
  };
  Viewer->OpenHtmlFile(name);
  ShowFirstScreen();
  // What is laid out is searched without waiting; text further on waits for the rest.
  EXPECT_TRUE(Viewer->FindNextText(U"Line 3", false));
  EXPECT_TRUE(Viewer->Loading());
  EXPECT_TRUE(Viewer->FindNextText(U"Line 299", false));
  EXPECT_FALSE(Viewer->Loading());
  EXPECT_EQ(busyAtEnd, 1);
  char32_t first = 0;
  TSectionBase* section = nullptr;
  ASSERT_TRUE(Document().CharAt(SelectionStart(), first, section));
  EXPECT_EQ(first, U'L');
  EXPECT_EQ(section, &Document()[299]);

  // Each time from the top, where the same file opens again.
  Viewer->ScrollTo(0);
  Viewer->OpenHtmlFile(name);
  ShowFirstScreen();
  Viewer->SelectAllText();
  EXPECT_FALSE(Viewer->Loading());
  EXPECT_EQ(SelectionEnd(), Document().PosCount);

  Viewer->ScrollTo(0);
  Viewer->OpenHtmlFile(name);
  ShowFirstScreen();
  Windowing.PressKey(vkEnd);
  EXPECT_FALSE(Viewer->Loading());
  EXPECT_EQ(Viewer->VScrollPos(), Viewer->DocumentHeight() - Viewer->Panel().Height());

  Viewer->ScrollTo(0);
  Viewer->OpenHtmlFile(name);
  ShowFirstScreen();
  EXPECT_FALSE(Viewer->ScrollToAnchor(U"nowhere"));
  EXPECT_FALSE(Viewer->Loading());
}

TEST_F(SlicedLoading, AWidthChangeLaysThePageOutAgainKeepingTheReadingPosition) {
  const std::string name = Folder.Write(
      "page.htm", "<p>" + std::string(40, 'w') + " words to wrap at any width </p>" + Lines(300));
  Viewer->OpenHtmlFile(name);
  ShowFirstScreen();
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Slice());
  Viewer->ScrollTo(5 + 3 * 16 + 100 * 16);
  const std::int64_t position = Viewer->DocPosition();
  Host->SetBounds({0, 0, 200, HostHeight});
  EXPECT_FALSE(Viewer->PageShown());
  // Meanwhile the history and a reload keep the place the reader left.
  EXPECT_EQ(Viewer->DocPosition(), position);
  ShowFirstScreen();
  EXPECT_EQ(Viewer->DocPosition(), position);
  LoadRest();

  // The same page laid out in one go at that width.
  const int height = Viewer->DocumentHeight();
  Viewer->SetProgressiveLoading(false);
  Viewer->ReloadDocument();
  EXPECT_EQ(Viewer->DocumentHeight(), height);
}

TEST_F(SlicedLoading, HandlersInsideASliceStartNothingAndNewDefaultsWaitForTheEnd) {
  const std::string name =
      Folder.Write("page.htm", "<b>bold " + Lines(20) + "<meta name=late content=x>" + Lines(20));
  const std::string other = Folder.Write("other.htm", "other");
  int metas = 0;
  Viewer->OnMeta = [&](TriruRedu*, const std::u32string&, const std::u32string&,
                       const std::u32string&) {
    ++metas;
    Viewer->OpenHtmlFile(other);
    Viewer->ClearDocument();
    Viewer->FinishLoading();
    // The builder holds an open bold run: its font must outlive the refresh.
    Viewer->SetDefFontColor(clRed);
  };
  Viewer->OpenHtmlFile(name);
  LoadRest();
  EXPECT_EQ(metas, 1);
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Document().Count(), Document().ArrangedCount());
  const auto& last = dynamic_cast<const TSection&>(Document()[Document().Count() - 1]);
  EXPECT_EQ(last.Fonts[0].Font().Color(), clRed | PaletteRelative);
}

TEST_F(SlicedLoading, TwoViewersLoadAtOnceAndPlainTextLoadsInSlicesToo) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line <i>" + std::to_string(i) + "</i> &amp; more\n";
  const std::string log = Folder.Write("log.txt", text);
  auto host = Windowing.CreateHost(HostWidth, HostHeight);
  TriruRedu second(Windowing, *host);
  Viewer->OpenTextFile(log);
  ShowFirstScreen();
  EXPECT_TRUE(Viewer->Loading());
  // Another viewer reads a page while the first one's parse waits between its slices.
  second.OpenHtmlBuffer("<title>Second</title>text");
  EXPECT_EQ(second.DocTitle(), U"Second");
  LoadRest();
  const std::size_t lines = Document().Count();
  const int height = Viewer->DocumentHeight();
  EXPECT_GE(lines, 200u);

  Viewer->SetProgressiveLoading(false);
  Viewer->OpenTextFile(log);
  EXPECT_EQ(Document().Count(), lines);
  EXPECT_EQ(Viewer->DocumentHeight(), height);
}

TEST_F(SlicedLoading, AHandlerOfTheEndOfALoadMayOpenAnotherPage) {
  const std::string first = Folder.Write("first.htm", "<title>First</title>" + Lines(100));
  const std::string second = Folder.Write("second.htm", "<title>Second</title>" + Lines(5));
  Viewer->SetHistoryMaxCount(5);
  bool open = true;
  bool inSlices = true;
  Viewer->OnProcessing = [&](TriruRedu*, bool on) {
    if (on || !std::exchange(open, false)) return;
    Viewer->SetProgressiveLoading(inSlices);
    Viewer->OpenHtmlFile(second);
    Viewer->SetProgressiveLoading(true);
  };
  // As the last slice ends the load.
  Viewer->OpenHtmlFile(first);
  LoadRest();
  EXPECT_EQ(Viewer->DocTitle(), U"Second");
  EXPECT_EQ(Viewer->HistoryFiles(), (std::vector<std::string>{second, first}));

  // As clearing the page ends it, when the clearing is over: a page opened there in one go
  // stays.
  open = true;
  inSlices = false;
  Viewer->OpenHtmlFile(first);
  ASSERT_TRUE(Slice());
  Viewer->ClearDocument();
  EXPECT_EQ(Viewer->DocTitle(), U"Second");
  EXPECT_GT(Document().Count(), 0u);
}
