#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "app/ColorGridModel.h"
#include "app/SpinRules.h"

TEST(ColorGridModel, KeysWrapAroundTheGrid) {
  TColorGridModel grid;  // 4 x 4
  auto from = [&](int cell, TGridKey key) {
    grid.Selection = cell;
    EXPECT_TRUE(grid.Key(key));
    return grid.Selection;
  };
  EXPECT_EQ(from(13, gkDown), 2);
  EXPECT_EQ(from(2, gkUp), 13);
  EXPECT_EQ(from(0, gkLeft), 15);
  EXPECT_EQ(from(15, gkRight), 0);
  EXPECT_EQ(from(15, gkSpace), 0);
  EXPECT_EQ(from(0, gkUp), 15);
  EXPECT_EQ(from(15, gkDown), 0);
  EXPECT_EQ(from(5, gkDown), 9);
  EXPECT_EQ(from(9, gkEnd), 15);
  EXPECT_EQ(from(9, gkHome), 0);
  grid.Selection = 6;
  EXPECT_FALSE(grid.Key(gkOther));
  EXPECT_EQ(grid.Selection, 6);

  grid.GridOrdering = go8x2;
  EXPECT_EQ(from(12, gkDown), 5);  // bottom row to the top row, one column right
}

TEST(ColorGridModel, ChoosingColoursByKeyAndMouse) {
  TColorGridModel grid;
  int changes = 0;
  int clicks = 0;
  grid.OnChange = [&] { ++changes; };
  grid.OnClick = [&] { ++clicks; };
  EXPECT_EQ(grid.CellAt(30, 80, 100, 100), 13);
  EXPECT_EQ(grid.CellAt(-5, 500, 100, 100), 12);  // clamped into the grid

  // A disabled choice stays put unless a click may enable it.
  grid.BackgroundEnabled = false;
  grid.Press(false, 7);
  EXPECT_EQ(grid.BackgroundIndex(), 0);
  EXPECT_EQ(grid.Selection, 7);
  EXPECT_EQ(changes, 0);
  grid.ClickEnablesColor = true;
  grid.Press(false, 9);
  EXPECT_TRUE(grid.BackgroundEnabled);
  EXPECT_EQ(grid.BackgroundIndex(), 9);
  EXPECT_EQ(changes, 1);
  grid.Press(false, 9);  // unchanged: no change reported
  EXPECT_EQ(changes, 1);

  grid.Selection = 12;
  grid.Key(gkLetterF);
  EXPECT_EQ(grid.ForegroundIndex(), 12);
  EXPECT_EQ(grid.ForegroundColor(), clBlue);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GridColor(7), clSilver);
  EXPECT_EQ(GridColor(8), clGray);
}

TEST(ColorGridModel, CellPartsOfBothLooks) {
  TColorGridModel grid;  // 4 x 4 on 100 x 100: cells of 25 pixels
  const TCellParts flat = grid.CellParts(6, 100, 100, false);
  EXPECT_EQ(flat.Cell, (TRect{50, 25, 75, 50}));
  EXPECT_EQ(flat.Frame, flat.Cell);  // the black outline is the cell's own edge
  EXPECT_EQ(flat.Colour, (TRect{51, 26, 74, 49}));
  EXPECT_EQ(flat.Focus, (TRect{52, 27, 73, 48}));  // the black highlight, inset by 2

  const TCellParts sunk = grid.CellParts(6, 100, 100, true);
  EXPECT_EQ(sunk.Frame, (TRect{51, 26, 74, 49}));
  EXPECT_EQ(sunk.Colour, (TRect{53, 28, 72, 47}));  // inside the two-pixel frame

  grid.GridOrdering = go16x1;  // one row; the spare width stays outside every cell
  EXPECT_EQ(grid.CellRect(15, 100, 20), (TRect{90, 0, 96, 20}));
}

TEST(SpinRules, ValuesClampsAndTypedCharacters) {
  EXPECT_EQ(SpinValueOf("17", 6), 17);
  EXPECT_EQ(SpinValueOf(" -3 ", 6), -3);
  EXPECT_EQ(SpinValueOf("", 6), 6);
  EXPECT_EQ(SpinValueOf("12a", 6), 6);
  EXPECT_EQ(SpinValueOf("99999999999", 6), 6);
  EXPECT_EQ(ClampSpinValue(30, 6, 24), 24);
  EXPECT_EQ(ClampSpinValue(2, 6, 24), 6);
  EXPECT_EQ(ClampSpinValue(30, 0, 0), 30);  // equal limits: no clamping

  EXPECT_TRUE(SpinAcceptsChar(U'7', U'.', true));
  EXPECT_TRUE(SpinAcceptsChar(U'-', U'.', true));
  EXPECT_TRUE(SpinAcceptsChar(U',', U',', true));
  EXPECT_TRUE(SpinAcceptsChar(U'\b', U'.', true));
  EXPECT_FALSE(SpinAcceptsChar(U'a', U'.', true));
  EXPECT_FALSE(SpinAcceptsChar(U'\r', U'.', true));
  EXPECT_FALSE(SpinAcceptsChar(U'7', U'.', false));
  EXPECT_FALSE(SpinAcceptsChar(U'\b', U'.', false));
  EXPECT_TRUE(SpinAcceptsChar(U'\t', U'.', false));
}

TEST(SpinRules, HeightAndButtonPlacement) {
  // A quarter of the smaller character height is added: here the system font's.
  EXPECT_EQ(SpinMinHeight(1, 16, 13), 4 + 16 + 3 + 2);
  EXPECT_EQ(SpinMinHeight(2, 11, 13), 8 + 11 + 2 + 2);

  const TRect sunk = SpinButtonBounds(65, 26, 15, true);
  EXPECT_EQ(sunk, (TRect{45, 0, 60, 21}));
  EXPECT_EQ(SpinTextRight(sunk), 43);
  const TRect flat = SpinButtonBounds(65, 26, 15, false);
  EXPECT_EQ(flat, (TRect{50, 1, 65, 24}));
  EXPECT_EQ(SpinTextRight(flat), 48);

  // Up takes the top half; down starts a pixel above its bottom and reaches the bottom.
  const TSpinButtonLayout odd = LayOutSpinButton(15, 21);
  EXPECT_EQ(odd.Up, (TRect{0, 0, 15, 10}));
  EXPECT_EQ(odd.Down, (TRect{0, 9, 15, 21}));
  const TSpinButtonLayout narrow = LayOutSpinButton(9, 20);
  EXPECT_EQ(narrow.Width, 15);
  EXPECT_EQ(narrow.Down, (TRect{0, 9, 15, 20}));
}

namespace {

// A timer that only records; the test makes it expire.
struct TFakeTimer : TRepeatTimer {
  std::vector<int> Starts;
  bool Running = false;
  void Start(int intervalMs) override {
    Starts.push_back(intervalMs);
    Running = true;
  }
  void Stop() override { Running = false; }
};

}  // namespace

TEST(AutoRepeat, FirstAfter400ThenEvery100WhileHeld) {
  TFakeTimer timer;
  bool down = true;
  int clicks = 0;
  TAutoRepeat repeat(
      timer, [&] { return down; }, [&] { ++clicks; });
  repeat.Press();
  EXPECT_EQ(timer.Starts, std::vector<int>{400});
  repeat.Expired();
  repeat.Expired();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(timer.Starts, (std::vector<int>{400, 100, 100}));
  down = false;  // the pointer left the button
  repeat.Expired();
  EXPECT_EQ(clicks, 2);
  repeat.Release();
  EXPECT_FALSE(timer.Running);

  // A click that throws stops the repeat and passes the error on.
  TAutoRepeat failing(
      timer, [] { return true; }, [] { throw std::runtime_error("step"); });
  failing.Press();
  EXPECT_THROW(failing.Expired(), std::runtime_error);
  EXPECT_FALSE(timer.Running);
}
