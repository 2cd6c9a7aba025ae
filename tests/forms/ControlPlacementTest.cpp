// Controls in the viewer: placed for the whole visible band after layout and scrolls, moved
// into view by the focus, and submitting through the viewer's queued OnFormSubmit.
#include "../viewer/ViewerFixture.h"

#include "html/forms/FormControlObj.h"
#include "platform/headless/HeadlessFormControls.h"

namespace {

using TResults = std::vector<std::u32string>;

}  // namespace

class PlacementTest : public ViewerTest {
 protected:
  THeadlessFormControls& Controls() const {
    return static_cast<THeadlessFormControls&>(*Document().ControlFactory);
  }
  // The index-th windowed control of the page.
  TFormControlObj& Control(std::size_t index) const {
    return static_cast<TFormControlObj&>(*Document().FormControls.at(index));
  }
  TFormControl& Window(std::size_t index) const { return *Control(index).GetControl(); }
  bool InView(std::size_t index) const {
    const TRect bounds = Window(index).Bounds();
    return Window(index).Visible() && bounds.Left >= 0 && bounds.Bottom > 0 &&
           bounds.Top < Panel().Height();
  }
};

TEST_F(PlacementTest, AScrollKeepsEveryControlOfTheViewInPlace) {
  // Line 5 holds an edit; a 48-pixel scroll paints only the uncovered strip at the bottom.
  Show(Lines(4) + "Line 4 <input name=e><br>" + Lines(30, "After ") + "<input name=far>");
  ASSERT_TRUE(InView(0));
  EXPECT_FALSE(Window(1).Visible());
  const int left = Window(0).Bounds().Left, top = Window(0).Bounds().Top;
  EXPECT_EQ(top, Control(0).LayoutTop);

  ASSERT_TRUE(Panel().TurnWheel(-120, 50, 50));  // three lines of 16 pixels
  ASSERT_EQ(Viewer->VScrollPos(), 48);
  EXPECT_TRUE(InView(0));
  EXPECT_EQ(Window(0).Bounds().Left, left);
  EXPECT_EQ(Window(0).Bounds().Top, top - 48);

  // Scrolled out of view it hides; the one coming into view shows where its line is.
  Viewer->ScrollTo(Viewer->DocumentHeight());
  EXPECT_FALSE(Window(0).Visible());
  EXPECT_TRUE(InView(1));
  EXPECT_EQ(Window(1).Bounds().Top, Control(1).LayoutTop - Viewer->VScrollPos());
}

TEST_F(PlacementTest, FocusBringsAHiddenControlIntoView) {
  Show("<input name=top>" + Lines(60) + "<input name=below>");
  ASSERT_TRUE(InView(0));
  ASSERT_FALSE(Window(1).Visible());
  Window(1).SetFocus();
  EXPECT_GT(Viewer->VScrollPos(), 0);
  EXPECT_TRUE(InView(1));
  // The focus is inside the page's controls: the one out of view waits out of sight, shown,
  // so that the focus can move back to it.
  EXPECT_TRUE(Window(0).Visible());
  EXPECT_EQ(Window(0).Bounds().Left, -4000);
  Controls().ClearFocus();
  EXPECT_FALSE(Window(0).Visible());
  EXPECT_TRUE(InView(1));
}

TEST_F(PlacementTest, ARadioPanelTakesItsCellsColourElseThePages) {
  // The second cell has its colour from the row, which the table hands out after building.
  Show("<body bgcolor=#00ff00><table><tr><td bgcolor=#ff0000><input type=radio name=a></td>"
       "</tr><tr bgcolor=#0000ff><td><input type=radio name=b></td></tr></table>"
       "<input type=radio name=c>");
  const auto panel = [&](std::size_t index) {
    return dynamic_cast<THeadlessCheck&>(Window(index)).PanelColor & 0xffffff;
  };
  EXPECT_EQ(panel(0), TColor(0x0000ff));  // colours are 0xBBGGRR
  EXPECT_EQ(panel(1), TColor(0xff0000));
  EXPECT_EQ(panel(2), TColor(0x00ff00));
  Viewer->ScrollTo(1);  // a placement after a scroll keeps them
  EXPECT_EQ(panel(0), TColor(0x0000ff));
}

TEST_F(PlacementTest, SubmissionsArriveAfterTheInputThatMadeThem) {
  std::vector<TResults> submitted;
  std::u32string method;
  Viewer->OnFormSubmit = [&](TriruRedu*, const std::u32string&, const std::u32string&,
                             const std::u32string&, const std::u32string& m, TResults results) {
    method = m;
    submitted.push_back(std::move(results));
  };
  Show("<form method=post><input type=image name=map width=40 height=30>"
       "<input type=hidden name=h value=1></form><form><input name=q></form>");
  auto& q = dynamic_cast<THeadlessEdit&>(Window(0));
  q.Type(U"text");
  q.PressKey(13);
  EXPECT_TRUE(submitted.empty());
  Windowing.RunPosted();
  EXPECT_EQ(submitted, std::vector<TResults>{{U"q=text"}});
  EXPECT_EQ(method, U"Get");

  // The picture's top is the baseline (5 + 18 above the text + 16 - 4) less its 30 pixels,
  // its left the margin of 10: the click is 10, 20 inside it.
  Panel().Click(mbLeft, 10 + 10, 5 + 20);
  Windowing.RunPosted();
  ASSERT_EQ(submitted.size(), 2u);
  EXPECT_EQ(submitted[1], (TResults{U"map.x=10", U"map.y=20", U"h=1"}));
  EXPECT_EQ(method, U"post");
}
