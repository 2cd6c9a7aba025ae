// Scroll bar values and user actions (the shared rules, on the headless bar).

#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindowing.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct TBar {
  THeadlessGraphics Graphics;
  THeadlessWindowing Windowing{Graphics};
  std::unique_ptr<THeadlessWindow> Host = Windowing.CreateHost(100, 100);
  std::unique_ptr<TScrollBar> Owned = Windowing.CreateScrollBar(*Host, sbVertical);
  THeadlessScrollBar& Bar = static_cast<THeadlessScrollBar&>(*Owned);
};

}  // namespace

TEST(ScrollBar, PositionStopsWherePageEndsAtTheMaximum) {
  TBar b;
  // A document 1000 high in a view 200 high: page = view + 1, the last position 800.
  b.Bar.SetParams(5000, 201, 0, 1000);
  EXPECT_EQ(b.Bar.LastPosition(), 800);
  EXPECT_EQ(b.Bar.Position(), 800);
  b.Bar.SetPosition(-3);
  EXPECT_EQ(b.Bar.Position(), 0);

  b.Bar.SetParams(40, 500, 0, 100);  // a page larger than the range covers it all
  EXPECT_EQ(b.Bar.PageSize(), 101);
  EXPECT_EQ(b.Bar.Position(), 0);

  b.Bar.SetParams(7, 10, 20, 5);  // a maximum below the minimum is the minimum
  EXPECT_EQ(b.Bar.Max(), 20);
  EXPECT_EQ(b.Bar.Position(), 20);
}

TEST(ScrollBar, ExtremeRangesAndStepsDoNotOverflow) {
  TBar b;
  b.Bar.SetParams(0, INT_MAX, INT_MIN, INT_MAX);
  EXPECT_EQ(b.Bar.PageSize(), INT_MAX);
  EXPECT_EQ(b.Bar.LastPosition(), 1);
  b.Bar.SetParams(INT_MAX, 1, INT_MIN, INT_MAX);
  EXPECT_EQ(b.Bar.Position(), INT_MAX);
  b.Bar.SetLargeChange(INT_MAX);
  EXPECT_EQ(b.Bar.Scroll(scPageDown), INT_MAX);
  EXPECT_EQ(b.Bar.Scroll(scPageUp), 0);
  EXPECT_EQ(b.Bar.Scroll(scPageUp), -INT_MAX);
  EXPECT_EQ(b.Bar.Scroll(scPageUp), INT_MIN);
  b.Bar.SetSmallChange(-5);  // steps below 1 count as 1
  EXPECT_EQ(b.Bar.SmallChange(), 1);
}

TEST(ScrollBar, UserActionsProposeAPositionTheHandlerMayChange) {
  TBar b;
  b.Bar.SetParams(100, 201, 0, 1000);
  b.Bar.SetSmallChange(16);
  b.Bar.SetLargeChange(184);
  std::vector<std::pair<TScrollCode, int>> heard;
  b.Bar.OnScroll = [&](TScrollCode code, int& position) { heard.emplace_back(code, position); };

  EXPECT_EQ(b.Bar.Scroll(scLineDown), 116);
  EXPECT_EQ(b.Bar.Scroll(scPageDown), 300);
  EXPECT_EQ(b.Bar.Scroll(scBottom), 800);
  EXPECT_EQ(b.Bar.Scroll(scPageDown), 800);
  EXPECT_EQ(b.Bar.Scroll(scTop), 0);
  EXPECT_EQ(b.Bar.Scroll(scTrack, 2000), 800);  // the thumb's place, cut to the range
  EXPECT_EQ(heard.back(), (std::pair{scTrack, 800}));

  // A handler that keeps the old position on release, and one that goes beyond the range.
  b.Bar.OnScroll = [](TScrollCode code, int& position) {
    if (code == scPosition) position = 333;
    if (code == scLineDown) position = 99999;
  };
  EXPECT_EQ(b.Bar.Scroll(scPosition, 10), 333);
  EXPECT_EQ(b.Bar.Scroll(scLineDown), 800);

  // Setting values is not the user's doing and is not reported.
  heard.clear();
  b.Bar.OnScroll = [&](TScrollCode code, int& position) { heard.emplace_back(code, position); };
  b.Bar.SetPosition(5);
  b.Bar.SetMax(20);
  EXPECT_TRUE(heard.empty());
}
