// Host handlers that open another page in the middle of an event: the viewer does nothing more
// with the page the event came from, and nothing of it is read again (the address sanitizer
// reports any such read).
#include "ViewerFixture.h"

#include "html/document/InlineObjects.h"
#include "html/forms/FormControlObj.h"
#include "platform/headless/HeadlessFormControls.h"

namespace {

// On the first character of the first line, where both pages have their link.
constexpr int LinkX = 12, LinkY = 10;
// Inside the 40 x 30 picture on the first page's second line.
constexpr int ImageX = 20, ImageY = 35;

}  // namespace

class HostEventsTest : public ViewerTest {
 protected:
  // The page the events come from: a link to c.htm, a picture, a form button.
  std::string First = Folder.Write(
      "a.htm", R"(<a href="c.htm">to c</a><br><img src="none.bmp" width=40 height=30><br>)"
               R"(<form><input type=submit name=go value=Go onclick="x"></form>)");
  // The page the handlers open: a link at the same point, over forty lines.
  std::string Second = Folder.Write("b.htm", "<a href=\"c.htm\">to c</a><br>" + Lines(40));
  std::string Third = Folder.Write("c.htm", "page c");
  int HotSpotClicks = 0;

  void SetUp() override {
    ViewerTest::SetUp();
    Viewer->SetHistoryMaxCount(10);
    Viewer->OnHotSpotClick = [this](TriruRedu*, const std::u32string&, bool&) { ++HotSpotClicks; };
    ShowFirst();
  }
  void ShowFirst() {
    Viewer->OpenHtmlFile(First);
    Paint();
  }
  // What the handlers do: open the second page (once).
  void OpenSecond() {
    if (Viewer->DocFileName() != Second) Viewer->OpenHtmlFile(Second);
  }
  bool ShowsSecond() const { return Viewer->DocFileName() == Second; }
  std::vector<std::string> History() const { return Viewer->HistoryFiles(); }
};

TEST_F(HostEventsTest, APointerHandlerThatOpensAnotherPageEndsTheGestureThere) {
  // A press on the first page's link opens the second page: the release over the second
  // page's link is no click.
  Viewer->OnMouseDown = [this](TriruRedu*, TMouseButton, TShiftState, int, int) { OpenSecond(); };
  Panel().Click(mbLeft, LinkX, LinkY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(HotSpotClicks, 0);
  Viewer->OnMouseDown = nullptr;

  // The release opens it: the link found under the pointer afterwards is not followed.
  ShowFirst();
  Viewer->OnMouseUp = [this](TriruRedu*, TMouseButton, TShiftState, int, int) { OpenSecond(); };
  Panel().Click(mbLeft, LinkX, LinkY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(HotSpotClicks, 0);
  Viewer->OnMouseUp = nullptr;

  // A move opens it: no link of the second page is reported as covered by that move.
  ShowFirst();
  Panel().MoveMouse(300, 200);  // off every link
  std::vector<std::u32string> covered;
  Viewer->OnHotSpotCovered = [&](TriruRedu*, const std::u32string& src) { covered.push_back(src); };
  Viewer->OnMouseMove = [this](TriruRedu*, TShiftState, int, int) { OpenSecond(); };
  Panel().MoveMouse(LinkX, LinkY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_TRUE(covered.empty());
  Viewer->OnMouseMove = nullptr;

  // Passing over the picture or covering the link opens it.
  ShowFirst();
  Viewer->OnImageOver = [this](TriruRedu*, TInlineImage*, TShiftState, int, int) { OpenSecond(); };
  Panel().MoveMouse(ImageX, ImageY);
  EXPECT_TRUE(ShowsSecond());
  ShowFirst();
  Viewer->OnHotSpotCovered = [&](TriruRedu*, const std::u32string& src) {
    covered.push_back(src);
    OpenSecond();
  };
  Panel().MoveMouse(LinkX, LinkY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(covered, std::vector<std::u32string>{U"c.htm"});
}

TEST_F(HostEventsTest, AClickOnAPictureThatOpensAnotherPageReportsNoRightClickOfTheOldOne) {
  std::vector<int> rightClickWidths;
  Viewer->OnImageClick = [this](TriruRedu*, TInlineImage*, TMouseButton, TShiftState, int, int) {
    OpenSecond();
  };
  // A host reads the picture it is given; the old page's picture is gone.
  Viewer->OnRightClick = [&](TriruRedu*, const TRightClickParameters& parameters) {
    rightClickWidths.push_back(parameters.ImageObj ? parameters.ImageObj->ImageWidth : 0);
  };
  Panel().Click(mbRight, ImageX, ImageY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_TRUE(rightClickWidths.empty());
}

TEST_F(HostEventsTest, ALinkHandlerThatOpensAnotherPageHasTakenTheClick) {
  // The handler leaves the click unhandled, yet the page it opened stays.
  Viewer->OnHotSpotClick = [this](TriruRedu*, const std::u32string& src, bool&) {
    OpenSecond();
    EXPECT_EQ(src, U"c.htm");  // the viewer's own copy, whatever the load did
  };
  Panel().Click(mbLeft, LinkX, LinkY);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(History(), (std::vector<std::string>{Second, First}));
}

TEST_F(HostEventsTest, AFormButtonThatOpensAnotherPageLeavesItsOldFormAlone) {
  int submissions = 0;
  std::u32string onClick;
  Viewer->OnFormSubmit = [&](TriruRedu*, const std::u32string&, const std::u32string&,
                             const std::u32string&, const std::u32string&, TStringList) {
    ++submissions;
  };
  Viewer->OnObjectClick = [&](TriruRedu*, TFormControlObj*, const std::u32string& text) {
    OpenSecond();
    onClick = text;
  };
  auto& button = static_cast<TFormControlObj&>(*Document().FormControls.at(0));
  static_cast<THeadlessButton&>(*button.GetControl()).Click();
  Windowing.RunPosted();
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(onClick, U"x");
  EXPECT_EQ(submissions, 0);
}

TEST_F(HostEventsTest, AKeyThatOpensAnotherPageDoesNotMoveIt) {
  Viewer->OnKeyDown = [this](TriruRedu*, TKey&, TShiftState) { OpenSecond(); };
  Windowing.PressKey(vkNext);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(Viewer->VScrollPos(), 0);
}

// A page opened from a handler that runs as a load ends comes after the loaded page in the
// history, which comes after the page it was opened from.
TEST_F(HostEventsTest, APageOpenedAsALoadEndsIsRecordedAfterIt) {
  const std::string refreshing = Folder.Write(
      "r.htm", R"(<meta http-equiv="refresh" content="5; url=b.htm">refreshing)");
  Viewer->OnMetaRefresh = [&](TriruRedu*, int delay, const std::u32string& url) {
    EXPECT_EQ(delay, 5);
    OpenSecond();
    EXPECT_EQ(url, U"b.htm");
  };
  Viewer->OpenHtmlFile(refreshing);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(History(), (std::vector<std::string>{Second, refreshing, First}));

  Viewer->OnMetaRefresh = nullptr;
  Viewer->ClearHistory();
  ShowFirst();
  Viewer->OnProcessing = [this](TriruRedu*, bool on) {
    if (!on) OpenSecond();
  };
  Viewer->OpenHtmlFile(Third);
  EXPECT_TRUE(ShowsSecond());
  EXPECT_EQ(History(), (std::vector<std::string>{Second, Third, First}));
}
