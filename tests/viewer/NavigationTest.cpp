// Following links, anchors and the history.
#include "ViewerFixture.h"

#include "html/support/Errors.h"
#include "html/viewer/LinkPath.h"

namespace {

// A link on the first line of a page: clicking at (14, 10) on the panel hits its first letter.
std::string LinkPage(const std::string& href, const std::string& rest = "") {
  return "<a href=\"" + href + "\">link</a><br>" + rest;
}

}  // namespace

class NavigationTest : public ViewerTest {
 protected:
  void Click() {
    Paint();
    Panel().Click(mbLeft, 14, 10);
  }
  std::vector<std::string> Files() const { return Viewer->HistoryFiles(); }
};

TEST_F(NavigationTest, WithoutAHistoryCountNothingIsRecorded) {
  int changes = 0;
  Viewer->OnHistoryChange = [&](TriruRedu*) { ++changes; };
  Viewer->OpenHtmlFile(Folder.Write("a.htm", "a"));
  Viewer->OpenHtmlFile(Folder.Write("b.htm", "b"));
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(changes, 0);
}

TEST_F(NavigationTest, TheHistoryIsBoundedAndDropsForwardEntries) {
  Viewer->SetHistoryMaxCount(3);
  int changes = 0;
  Viewer->OnHistoryChange = [&](TriruRedu*) { ++changes; };
  for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm"})
    Viewer->OpenHtmlFile(Folder.Write(name, std::string("<title>") + name + "</title>"));
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(Files(), (std::vector<std::string>{Folder.Name("d.htm"), Folder.Name("c.htm"),
                                               Folder.Name("b.htm")}));
  EXPECT_EQ(Viewer->HistoryTitles()[1], U"c.htm");

  // Two steps back, then a new way: the two entries ahead are gone.
  Viewer->SetHistoryIndex(2);
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("b.htm"));
  EXPECT_EQ(Viewer->HistoryIndex(), 2);
  Viewer->OpenHtmlFile(Folder.Write("e.htm", "e"));
  EXPECT_EQ(Files(), (std::vector<std::string>{Folder.Name("e.htm"), Folder.Name("b.htm")}));
  EXPECT_EQ(Viewer->HistoryIndex(), 0);

  // Lowering the count clears the history.
  Viewer->SetHistoryMaxCount(1);
  EXPECT_TRUE(Files().empty());
}

TEST_F(NavigationTest, GoingBackReturnsToTheReadingPosition) {
  Viewer->SetHistoryMaxCount(10);
  const std::string first = Folder.Write("first.htm", Lines(100));
  Viewer->OpenHtmlFile(first);
  Viewer->ScrollTo(200);
  Viewer->OpenHtmlFile(Folder.Write("second.htm", Lines(100)));
  EXPECT_EQ(Viewer->VScrollPos(), 0);
  Viewer->ScrollTo(50);
  Viewer->SetHistoryIndex(1);
  EXPECT_EQ(Viewer->DocFileName(), first);
  EXPECT_EQ(Viewer->VScrollPos(), 200);
  Viewer->SetHistoryIndex(0);
  EXPECT_EQ(Viewer->VScrollPos(), 50);

  // An entry whose file has gone raises the error and stays where it was.
  std::filesystem::remove(first);
  EXPECT_THROW(Viewer->SetHistoryIndex(1), EInOutError);
  EXPECT_EQ(Viewer->HistoryIndex(), 0);
}

TEST_F(NavigationTest, AnchorLinksScrollAndRecordTheOldPosition) {
  Viewer->SetHistoryMaxCount(10);
  const std::string name =
      Folder.Write("page.htm", LinkPage("#far", LinkPage("#nowhere") + Lines(50) +
                                                    "<a name=\"far\">far</a>" + Lines(50)));
  Viewer->OpenHtmlFile(name);
  Click();
  // The link line, the second link line and 50 lines above the anchor.
  EXPECT_EQ(Viewer->VScrollPos(), 5 + 2 * 16 + 50 * 16);
  EXPECT_EQ(Files(), (std::vector<std::string>{name, name}));
  Viewer->SetHistoryIndex(1);
  EXPECT_EQ(Viewer->VScrollPos(), 0);

  // An anchor that does not exist changes nothing.
  Panel().Click(mbLeft, 14, 26);
  EXPECT_EQ(Viewer->VScrollPos(), 0);
  EXPECT_EQ(Files().size(), 2u);
}

TEST_F(NavigationTest, LinksOpenPagesAndPicturesUnlessTheHostHandlesThem) {
  Viewer->SetHistoryMaxCount(10);
  const std::string other = Folder.Write("sub/Other.HTM", Lines(60) + "<a name=\"x\">x</a>");
  Viewer->OpenHtmlFile(Folder.Write("page.htm", LinkPage("sub/Other.HTM#x")));
  std::vector<std::u32string> clicked;
  Viewer->OnHotSpotClick = [&](TriruRedu*, const std::u32string& src, bool&) { clicked.push_back(src); };
  Click();
  EXPECT_EQ(clicked, std::vector<std::u32string>{U"sub/Other.HTM#x"});
  EXPECT_EQ(Viewer->DocFileName(), other);
  EXPECT_EQ(Viewer->VScrollPos(), std::min(5 + 60 * 16, Viewer->DocumentHeight() - 298));

  Viewer->OpenHtmlFile(Folder.Write("pic.htm", LinkPage("photo.GIF")));
  Folder.Write("photo.GIF", "");
  Click();
  EXPECT_EQ(Viewer->DocKind(), dkImage);

  // A handled click stays with the host; other kinds of link are the host's anyway.
  Viewer->OpenHtmlFile(Folder.Write("handled.htm", LinkPage("page.htm")));
  Viewer->OnHotSpotClick = [](TriruRedu*, const std::u32string&, bool& handled) { handled = true; };
  Click();
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("handled.htm"));
  Viewer->OnHotSpotClick = nullptr;
  Viewer->OpenHtmlFile(Folder.Write("mail.htm", LinkPage("mailto:me@example.org")));
  Click();
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("mail.htm"));

  // A link to a missing page raises the error from the click and leaves the history alone.
  Viewer->OpenHtmlFile(Folder.Write("broken.htm", LinkPage("gone.htm")));
  const auto files = Files();
  EXPECT_THROW(Click(), EInOutError);
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("broken.htm"));
  EXPECT_EQ(Files(), files);
}

TEST_F(NavigationTest, LinksOpenTextXhtmlAndFoldersByKind) {
  Viewer->SetHistoryMaxCount(10);
  const std::string notes = Folder.Write("notes.txt", "<b>as it is</b>");
  Viewer->OpenHtmlFile(Folder.Write("a.htm", LinkPage("notes.txt")));
  Click();
  EXPECT_EQ(Viewer->DocFileName(), notes);
  EXPECT_EQ(Viewer->DocKind(), dkText);

  const std::string xhtml = Folder.Write("b.xhtml", "<title>X</title>");
  Viewer->OpenHtmlFile(Folder.Write("b.htm", LinkPage("b.xhtml#top")));
  Click();
  EXPECT_EQ(Viewer->DocFileName(), xhtml);
  EXPECT_EQ(Viewer->DocKind(), dkHtml);

  // A folder shows as its listing, named with a "/" at its end; the listing's links are
  // taken inside it, and going back leaves it.
  Folder.Write("sub/x.htm", "x");
  const std::string page = Folder.Write("c.htm", LinkPage("sub"));
  Viewer->OpenHtmlFile(page);
  Click();
  EXPECT_EQ(Viewer->DocFileName(), Folder.Name("sub") + "/");
  EXPECT_EQ(Viewer->DocTitle(), U"Index of " + DecodeName(Folder.Name("sub")) + U"/");
  EXPECT_EQ(Viewer->ExpandLink(U"./x.htm"), Folder.Name("sub/x.htm"));
  EXPECT_EQ(Viewer->ExpandLink(U"../"), Folder.Path.string() + "/");
  Viewer->SetHistoryIndex(1);
  EXPECT_EQ(Viewer->DocFileName(), page);

  // Drawings and other kinds are the host's.
  for (const char* other : {"d.svg", "e.pdf"}) {
    Folder.Write(other, "x");
    Viewer->OpenHtmlFile(Folder.Write("f.htm", LinkPage(other)));
    Click();
    EXPECT_EQ(Viewer->DocFileName(), Folder.Name("f.htm"));
  }
}
