// The load pipeline, its events, its failures, and the properties that relay the page out.
#include "ViewerFixture.h"

#include "html/support/Errors.h"

using TLog = std::vector<std::string>;

TEST_F(ViewerTest, OpeningAFileRunsThePipelineAndItsEvents) {
  const std::string name = Folder.Write("page.htm", "<title>First</title>" + Lines(3));
  TLog log;
  Viewer->OnProcessing = [&](TriruRedu*, bool on) { log.push_back(on ? "on" : "off"); };
  Viewer->OnSoundRequest = [&](TriruRedu*, const std::u32string& src, int loop, bool stop) {
    log.push_back("sound " + std::to_string(src.size()) + " " + std::to_string(loop) +
                  (stop ? " stop" : ""));
  };
  Viewer->OpenHtmlFile(name);
  EXPECT_EQ(log, (TLog{"on", "sound 0 0 stop", "off"}));
  EXPECT_EQ(Viewer->DocTitle(), U"First");
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Viewer->DocKind(), dkHtml);
  EXPECT_FALSE(Viewer->Processing());
  EXPECT_EQ(Windowing.BusyDepth(), 0);
  // Three lines of 16 pixels between margins of 5.
  EXPECT_EQ(Viewer->DocumentHeight(), 3 * 16 + 2 * 5);

  Viewer->OpenTextFile(name);
  EXPECT_EQ(Viewer->DocKind(), dkText);
  EXPECT_EQ(Viewer->DocTitle(), U"");

  Viewer->OpenImageFile(Folder.Write("photo.jpg", ""));
  EXPECT_EQ(Viewer->DocKind(), dkImage);
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("photo.jpg"));

  Viewer->OpenHtmlBuffer("<title>Memory</title>text");
  EXPECT_EQ(Viewer->DocFileName(), "");
  EXPECT_EQ(Viewer->DocTitle(), U"Memory");
}

TEST_F(ViewerTest, AMissingFileChangesNothing) {
  const std::string name = Folder.Write("page.htm", "<title>Kept</title>" + Lines(60));
  Viewer->SetHistoryMaxCount(5);
  Viewer->OpenHtmlFile(name);
  Viewer->ScrollTo(100);
  const std::int64_t position = Viewer->DocPosition();
  const std::size_t sections = Document().Count();
  int historyChanges = 0;
  Viewer->OnHistoryChange = [&](TriruRedu*) { ++historyChanges; };

  const std::string missing = Folder.Name("missing.htm");
  try {
    Viewer->OpenHtmlFile(missing + "#anchor");
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(std::string(error.what()), "Can't locate file: " + missing);
  }
  EXPECT_EQ(Viewer->DocTitle(), U"Kept");
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Viewer->DocPosition(), position);
  EXPECT_EQ(Viewer->VScrollPos(), 100);
  EXPECT_EQ(Document().Count(), sections);
  EXPECT_EQ(Viewer->HistoryFiles().size(), 1u);
  EXPECT_EQ(historyChanges, 0);
  EXPECT_FALSE(Viewer->Processing());
  EXPECT_EQ(Windowing.BusyDepth(), 0);
}

TEST_F(ViewerTest, AnAnchorInTheNameScrollsToItInAnyCase) {
  const std::string name = Folder.Write("page.htm", Lines(40) + "<a name=\"Part2\">here</a>" + Lines(40));
  Viewer->SetHistoryMaxCount(5);
  Viewer->OpenHtmlFile(name + "#part2");
  EXPECT_EQ(Viewer->DocFileName(), name);
  // The anchor's section starts after the margin and 40 lines.
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 40 * 16);

  // The same file again is placed by the caller: the position stays, no entry is added.
  Viewer->OpenHtmlFile(name);
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 40 * 16);
  EXPECT_EQ(Viewer->HistoryFiles().size(), 1u);
  // Another file starts at the top.
  Viewer->OpenHtmlFile(Folder.Write("other.htm", Lines(80)));
  EXPECT_EQ(Viewer->VScrollPos(), 0);
}

TEST_F(ViewerTest, RefreshMetasAreReportedAfterTheLoad) {
  std::vector<std::pair<int, std::u32string>> refreshes;
  int metas = 0;
  Viewer->OnMeta = [&](TriruRedu*, const std::u32string&, const std::u32string&,
                       const std::u32string&) { ++metas; };
  const auto page = [](const char* content) {
    return std::string("<meta http-equiv=\"Refresh\" content=\"") + content + "\">text";
  };
  Viewer->OpenHtmlBuffer(page("5; URL=Next.htm"));
  EXPECT_EQ(metas, 1);  // without an OnMetaRefresh handler nothing is recorded

  Viewer->OnMetaRefresh = [&](TriruRedu* sender, int delay, const std::u32string& url) {
    EXPECT_FALSE(sender->Processing());
    refreshes.emplace_back(delay, url);
  };
  Viewer->OpenHtmlBuffer(page("5"));
  Viewer->OpenHtmlBuffer(page("0; url=x"));
  Viewer->OpenHtmlBuffer(page("x; url=x"));
  Viewer->OpenHtmlBuffer(page("5; URL=Next.htm"));
  Viewer->OpenHtmlFile(Folder.Write("r.htm", page(" 7 ;url=a.htm")));
  EXPECT_EQ(refreshes, (std::vector<std::pair<int, std::u32string>>{{5, U"Next.htm"}, {7, U"a.htm"}}));
}

TEST_F(ViewerTest, ClearKeepsTheFileForAReload) {
  const std::string name = Folder.Write("page.htm", "<title>T</title>" + Lines(3));
  Viewer->OpenHtmlFile(name);
  int stops = 0;
  Viewer->OnSoundRequest = [&](TriruRedu*, const std::u32string&, int, bool stop) { stops += stop; };
  Viewer->ClearDocument();
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(Document().Count(), 0u);
  EXPECT_EQ(Viewer->DocTitle(), U"");
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_FALSE(Viewer->VScrollBar().Visible());
  Viewer->ReloadDocument();
  EXPECT_EQ(Viewer->DocTitle(), U"T");
  EXPECT_GT(Document().Count(), 0u);
}

TEST_F(ViewerTest, ABufferWithAnOpenCommentShowsWhatCameBeforeIt) {
  EXPECT_THROW(Viewer->OpenHtmlBuffer("<title>Half</title>before<br><!-- never closed"), EParseError);
  EXPECT_FALSE(Viewer->Processing());
  EXPECT_EQ(Viewer->DocTitle(), U"Half");
  ASSERT_GT(Document().Count(), 0u);
  EXPECT_EQ(Viewer->DocumentHeight(), 16 + 2 * 5);
}

TEST_F(ViewerTest, FailuresReachTheCallerWhateverTheHostsHandlersDo) {
  // A parse refused because another one runs is reported, not shown as an empty page.
  auto secondHost = Windowing.CreateHost(HostWidth, HostHeight);
  TriruRedu second(Windowing, *secondHost);
  const std::string page = Folder.Write("page.htm", "<title>Other</title>text");
  std::string refusal;
  Viewer->OnInclude = [&](TriruRedu*, const std::u32string&, TStringList, const char*&,
                          std::size_t&) {
    try {
      second.OpenHtmlFile(page);
    } catch (const EParseError& error) {
      refusal = error.what();
    }
  };
  Viewer->OpenHtmlBuffer("a<!--#include file=\"x\" -->b");
  EXPECT_EQ(refusal, "A document is already being read");
  EXPECT_FALSE(second.Processing());
  second.OpenHtmlFile(page);  // once the first parse is over, the second one runs
  EXPECT_EQ(second.DocTitle(), U"Other");

  // A handler that fails when Processing ends: while a load fails, the load's failure is the
  // one that arrives; otherwise the handler's own.
  Viewer->OnProcessing = [](TriruRedu*, bool on) {
    if (!on) throw std::runtime_error("handler");
  };
  EXPECT_THROW(Viewer->OpenHtmlFile(Folder.Name("missing.htm")), EInOutError);
  EXPECT_FALSE(Viewer->Processing());
  EXPECT_THROW(Viewer->OpenHtmlBuffer("<!-- open"), EParseError);
  try {
    Viewer->OpenHtmlFile(page);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "handler");
  }
  EXPECT_FALSE(Viewer->Processing());
}

TEST_F(ViewerTest, AFileNameMayHoldAHash) {
  const std::string name =
      Folder.Write("a#b.htm", "<title>Hash</title>" + Lines(40) + "<a name=\"x\">x</a>" + Lines(40));
  Viewer->SetHistoryMaxCount(5);
  Viewer->OpenHtmlFile(name);
  EXPECT_EQ(Viewer->DocTitle(), U"Hash");
  EXPECT_EQ(Viewer->DocFileName(), name);
  Viewer->OpenHtmlFile(name + "#x");
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 40 * 16);
  Viewer->ClearDocument();
  Viewer->ReloadDocument();
  EXPECT_EQ(Viewer->DocTitle(), U"Hash");

  // A link writes the hash as %23; the anchor after it still counts.
  Viewer->OpenHtmlFile(Folder.Write("link.htm", "<a href=\"a%23b.htm#x\">link</a>"));
  Paint();
  Panel().Click(mbLeft, 14, 10);
  EXPECT_EQ(Viewer->DocFileName(), name);
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 40 * 16);
  Viewer->SetHistoryIndex(1);
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("link.htm"));
  Viewer->SetHistoryIndex(0);
  EXPECT_EQ(Viewer->DocFileName(), name);
}

TEST_F(ViewerTest, FormSubmissionsArriveAfterTheInputThatCausedThem) {
  Viewer->QueueFormSubmit(U"a", U"", U"", U"get", {U"x=1"});
  EXPECT_EQ(Windowing.RunPosted(), 0);  // no handler: nothing is kept

  std::vector<TStringList> reported;
  Viewer->OnFormSubmit = [&](TriruRedu*, const std::u32string& action, const std::u32string&,
                             const std::u32string&, const std::u32string& method, TStringList results) {
    results.push_back(action + U"/" + method);
    reported.push_back(std::move(results));
  };
  Viewer->QueueFormSubmit(U"first", U"", U"", U"get", {U"x=1"});
  Viewer->QueueFormSubmit(U"second", U"", U"", U"post", {U"y=2"});
  EXPECT_TRUE(reported.empty());
  Windowing.RunPosted();
  EXPECT_EQ(reported, (std::vector<TStringList>{{U"x=1", U"first/get"}, {U"y=2", U"second/post"}}));
}

TEST_F(ViewerTest, PropertySettersClampOrIgnoreValuesOutOfRange) {
  Viewer->SetDefFontSize(3);
  EXPECT_EQ(Viewer->DefFontSize(), 6);
  Viewer->SetDefFontSize(2000000000);
  EXPECT_EQ(Viewer->DefFontSize(), TriruRedu::MaxFontSize);
  Viewer->SetImageCacheCount(25);
  EXPECT_EQ(Viewer->ImageCacheCount(), 20);
  Viewer->SetImageCacheCount(-3);
  EXPECT_EQ(Viewer->ImageCacheCount(), 0);
  Viewer->SetMarginWidth(51);
  Viewer->SetMarginHeight(-1);
  EXPECT_EQ(Viewer->MarginWidth(), 10);
  EXPECT_EQ(Viewer->MarginHeight(), 5);
  Viewer->SetHistoryMaxCount(-1);
  EXPECT_EQ(Viewer->HistoryMaxCount(), 0);
  Viewer->SetServerRoot(" \t/srv/web/ \n");
  EXPECT_EQ(Viewer->ServerRoot(), "/srv/web");
  Viewer->SetDefFontName(std::string(40, 'x'));
  EXPECT_EQ(Viewer->DefFontName(), std::string(33, 'x'));
}

TEST_F(ViewerTest, LayoutSettingsRelayTheDocumentOutKeepingThePosition) {
  Show(Lines(100));
  Viewer->ScrollTo(10 * 16 + 3);  // section 10, 3 pixels in
  Viewer->SetDefFontSize(24);     // 32 pixels a line
  EXPECT_EQ(Document()[0].FlowHeight, 32);
  EXPECT_EQ(Viewer->VScrollPos(), 10 * 32 + 3);
  Viewer->SetMarginHeight(50);
  EXPECT_EQ(Document()[0].Top, 50);
  EXPECT_EQ(Viewer->DocumentHeight(), 100 * 32 + 2 * 50);
  EXPECT_EQ(Viewer->VScrollPos(), 10 * 32 + 3);

  // While a relayout runs, handlers cannot start another one.
  Viewer->OnProcessing = [&](TriruRedu* sender, bool on) {
    if (on) sender->SetMarginWidth(40);
  };
  Viewer->SetMarginHeight(20);
  EXPECT_EQ(Viewer->MarginHeight(), 20);
  EXPECT_EQ(Viewer->MarginWidth(), 10);
}

TEST_F(ViewerTest, BackgroundAndSelectionSettingsShowOnThePanel) {
  Show("<body bgcolor=\"#ff0000\">text");
  EXPECT_EQ(Panel().Surface().Pixel(200, 200), clRed);
  Viewer->SetDefBackground(clWhite);
  Paint();
  EXPECT_EQ(Panel().Surface().Pixel(200, 200), clWhite);

  Viewer->SelectAllText();
  EXPECT_EQ(SelectionStart(), 0);
  EXPECT_EQ(SelectionEnd(), 4);
  Viewer->SetNoSelect(true);
  EXPECT_EQ(SelectionStart(), -1);
  EXPECT_EQ(SelectionEnd(), -1);
  Viewer->SelectAllText();
  EXPECT_EQ(SelectionEnd(), -1);
}
