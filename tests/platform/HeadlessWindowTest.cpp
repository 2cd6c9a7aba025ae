// Headless windows: input, focus and keys, painting, moving pixels, cursors.

#include "WindowRecorder.h"

#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindowing.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

using TLog = std::vector<std::string>;

namespace {

// A host of 200 x 100 with a visible panel at (1, 1) of 150 x 80, each with its recorder.
struct THostAndPanel {
  THeadlessGraphics Graphics;
  THeadlessWindowing Windowing{Graphics};
  TWindowRecorder HostEvents;
  TWindowRecorder PanelEvents;
  std::unique_ptr<THeadlessWindow> Host = Windowing.CreateHost(200, 100);
  std::unique_ptr<TWindow> Panel = Windowing.CreateWindow(*Host);
  THeadlessWindow& HeadlessPanel = static_cast<THeadlessWindow&>(*Panel);

  THostAndPanel() {
    Host->SetEvents(&HostEvents);
    Panel->SetEvents(&PanelEvents);
    Panel->SetBounds({1, 1, 151, 81});
    Panel->SetVisible(true);
    PanelEvents.Take();
  }
};

}  // namespace

TEST(HeadlessWindow, SizeChangesReportResizedButMovesDoNot) {
  THostAndPanel w;
  w.Panel->SetBounds({5, 5, 155, 85});
  w.Host->SetBounds({0, 0, 300, 100});
  EXPECT_EQ(w.HostEvents.Take(), TLog{"resized"});
  EXPECT_TRUE(w.PanelEvents.Log.empty());
  w.Panel->SetBounds({10, 10, 0, 0});  // inverted extents are empty, not negative
  EXPECT_EQ(w.PanelEvents.Take(), TLog{"resized"});
  EXPECT_EQ(w.HeadlessPanel.Surface().Width(), 0);
}

TEST(HeadlessWindow, MouseEventsCarryButtonsModifiersAndClientCoordinates) {
  THostAndPanel w;
  w.HeadlessPanel.Click(mbLeft, 10, 20, ssShift);
  w.HeadlessPanel.Click(mbRight, 3, 4);
  w.HeadlessPanel.DoubleClickAt(mbLeft, 7, 8, ssCtrl);
  EXPECT_EQ(w.PanelEvents.Take(), (TLog{"down L shift+left 10,20", "up L shift 10,20",
                                        "down R right 3,4", "up R - 3,4",
                                        "down L ctrl+left 7,8", "up L ctrl 7,8",
                                        "double L ctrl+left 7,8", "up L ctrl 7,8"}));
  EXPECT_TRUE(w.HostEvents.Log.empty());

  // A drag keeps reporting to the panel, also above it; the pointer follows in every window's
  // own coordinates.
  w.HeadlessPanel.Drag({10, 10}, {10, -20}, 3);
  EXPECT_EQ(w.PanelEvents.Take(), (TLog{"down L left 10,10", "move left 10,0", "move left 10,-10",
                                        "move left 10,-20", "up L - 10,-20"}));
  EXPECT_EQ(w.HeadlessPanel.PointerPosition(), (TPoint{10, -20}));
  EXPECT_EQ(w.Host->PointerPosition(), (TPoint{11, -19}));
  EXPECT_EQ(w.Windowing.HeldButtons(), 0);

  w.PanelEvents.Handles = false;
  EXPECT_FALSE(w.HeadlessPanel.TurnWheel(-120, 5, 6));
  EXPECT_EQ(w.PanelEvents.Take(), TLog{"wheel -120 - 5,6"});
}

TEST(HeadlessWindow, KeysGoToTheFocusedWindowAndUnhandledOnesToItsParent) {
  THostAndPanel w;
  EXPECT_FALSE(w.Windowing.PressKey(vkDown));  // nobody has the focus
  w.Host->SetFocus();
  w.Host->SetFocus();  // already focused: nothing reported
  w.Panel->SetFocus();
  EXPECT_EQ(w.HostEvents.Take(), (TLog{"focus in", "focus out"}));
  EXPECT_EQ(w.PanelEvents.Take(), TLog{"focus in"});
  EXPECT_TRUE(w.Panel->HasFocus());
  EXPECT_FALSE(w.Host->HasFocus());

  w.PanelEvents.Handles = false;
  EXPECT_TRUE(w.Windowing.PressKey(vkNext, ssShift));
  EXPECT_EQ(w.PanelEvents.Take(), TLog{"key 34 shift"});
  EXPECT_EQ(w.HostEvents.Take(), TLog{"key 34 shift"});

  w.HostEvents.Handles = false;
  EXPECT_FALSE(w.Windowing.PressKey('A'));

  w.Panel.reset();  // a destroyed window loses the focus without a word
  EXPECT_EQ(w.Windowing.Focused(), nullptr);
}

TEST(HeadlessWindow, PaintsTheRectangleAroundInvalidAreasOnlyWhenAskedAndShowing) {
  THostAndPanel w;
  w.HeadlessPanel.PaintInvalid();  // shown: the whole panel was invalid
  ASSERT_EQ(w.PanelEvents.Painted, (std::vector<TRect>{{0, 0, 150, 80}}));
  w.PanelEvents.Painted.clear();

  w.Panel->Invalidate({10, 10, 20, 12});
  w.Panel->Invalidate({30, 5, 40, 11});
  w.Panel->Invalidate({140, 70, 400, 400});  // cut to the window
  EXPECT_EQ(w.HeadlessPanel.Invalid(), (TRect{10, 5, 150, 80}));
  EXPECT_TRUE(w.PanelEvents.Painted.empty());

  w.Host->SetVisible(false);  // a panel inside a hidden host does not paint
  w.Windowing.ProcessPendingEvents();
  EXPECT_TRUE(w.PanelEvents.Painted.empty());
  w.Host->SetVisible(true);
  w.Windowing.ProcessPendingEvents();
  EXPECT_EQ(w.PanelEvents.Painted, (std::vector<TRect>{{10, 5, 150, 80}}));
  EXPECT_EQ(w.HeadlessPanel.Invalid(), TRect{});
}

namespace {

// Paints every row in its own colour, so moved rows can be told from painted ones.
class TRowPainter : public TWindowEvents {
public:
  int Generation = 0;
  std::vector<TRect> Painted;
  static TColor RowColor(int generation, int y) { return Rgb(std::uint8_t(y), 0, std::uint8_t(generation)); }
  void Paint(TCanvas& canvas, const TRect& area) override {
    Painted.push_back(area);
    for (int y = area.Top; y < area.Bottom; ++y) {
      canvas.SetBrush(RowColor(Generation, y));
      canvas.FillRect({area.Left, y, area.Right, y + 1});
    }
  }
};

}  // namespace

TEST(HeadlessWindow, ScrollPixelsMovesTheContentAndPaintsOnlyTheUncoveredStrip) {
  THeadlessGraphics graphics;
  THeadlessWindowing windowing(graphics);
  auto host = windowing.CreateHost(100, 50);
  TRowPainter painter;
  host->SetEvents(&painter);
  auto child = windowing.CreateWindow(*host);
  child->SetBounds({0, 30, 10, 40});
  host->PaintInvalid();

  painter.Generation = 1;
  painter.Painted.clear();
  host->ScrollPixels(16);  // content moves down: rows 0..15 are uncovered
  EXPECT_EQ(painter.Painted, (std::vector<TRect>{{0, 0, 100, 16}}));
  const TBitmap& surface = host->Surface();
  for (int y = 0; y < 50; ++y) {
    const TColor expected = y < 16 ? TRowPainter::RowColor(1, y) : TRowPainter::RowColor(0, y - 16);
    ASSERT_EQ(surface.Pixel(99, y), expected) << "row " << y;
  }
  EXPECT_EQ(child->Bounds(), (TRect{0, 46, 10, 56}));  // children move along

  painter.Generation = 2;
  painter.Painted.clear();
  host->ScrollPixels(-10);
  EXPECT_EQ(painter.Painted, (std::vector<TRect>{{0, 40, 100, 50}}));
  EXPECT_EQ(surface.Pixel(0, 0), TRowPainter::RowColor(1, 10));
  EXPECT_EQ(surface.Pixel(0, 39), TRowPainter::RowColor(0, 33));

  // An area still waiting to be painted moves with the pixels.
  painter.Painted.clear();
  host->Invalidate({0, 20, 100, 22});
  host->ScrollPixels(3);
  EXPECT_EQ(painter.Painted, (std::vector<TRect>{{0, 0, 100, 25}}));

  // Distances beyond the window repaint all of it; children far away stay within int.
  painter.Painted.clear();
  host->ScrollPixels(-1000000);
  host->ScrollPixels(INT_MAX);
  host->ScrollPixels(INT_MAX);
  EXPECT_EQ(painter.Painted, (std::vector<TRect>(3, TRect{0, 0, 100, 50})));
  EXPECT_EQ(child->Bounds().Top, INT_MAX);
}

TEST(HeadlessWindow, BusyCursorOverridesEveryWindowAndRestoresWhenTheLastGuardEnds) {
  THostAndPanel w;
  w.Panel->SetCursor(crHand);
  try {
    TBusyCursor outer(w.Windowing);
    { TBusyCursor inner(w.Windowing); }
    EXPECT_EQ(w.HeadlessPanel.ShownCursor(), crHourGlass);
    EXPECT_EQ(w.Host->ShownCursor(), crHourGlass);
    throw std::runtime_error("load failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(w.HeadlessPanel.ShownCursor(), crHand);
}

TEST(HeadlessWindow, ChildrenSurviveTheirParentGoingFirst) {
  THostAndPanel w;
  auto bar = w.Windowing.CreateScrollBar(*w.Host, sbVertical);
  w.Host.reset();
  EXPECT_EQ(w.HeadlessPanel.Parent(), nullptr);
  w.HeadlessPanel.ScrollPixels(5);
  bar.reset();
}
