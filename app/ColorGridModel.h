#pragma once
// What the colour grid does, without its widget: the 16 cells, the chosen foreground and
// background cells, the keyboard cursor, and the answers to keys and mouse presses.
// The widget (ColorGrid.h) draws it and feeds it events.

#include <functional>

#include "platform/Color.h"
#include "platform/Geometry.h"

enum TGridOrdering { go16x1, go8x2, go4x4, go2x8, go1x16 };

// Cell i of the grid: the 16 basic colours in the order of the system's default palette.
TColor GridColor(int index);

// Where the parts of one cell are drawn, in the grid's pixels.
struct TCellParts {
  TRect Cell;  // the whole cell; with the 3D look filled with the button face
  // The outer edge of the two-pixel sunken frame (3D look) or of the one-pixel black outline
  // (flat look), which a highlighted flat cell inverts.
  TRect Frame;
  TRect Colour;  // filled with the cell's colour
  TRect Focus;   // highlighted: the dotted focus rectangle (3D) or a black outline (flat)
};

enum TGridKey {
  gkRight,
  gkLeft,
  gkUp,
  gkDown,
  gkHome,
  gkEnd,
  gkSpace,
  gkLetterB,
  gkLetterF,
  gkOther
};

class TColorGridModel {
 public:
  static constexpr int CellCount = 16;

  TGridOrdering GridOrdering = go4x4;
  int Columns() const { return 16 >> GridOrdering; }
  int Rows() const { return 1 << GridOrdering; }

  int ForegroundIndex() const { return FForegroundIndex; }
  int BackgroundIndex() const { return FBackgroundIndex; }
  // Nothing when unchanged or when that choice is disabled; otherwise OnChange fires.
  void SetForegroundIndex(int index);
  void SetBackgroundIndex(int index);
  // No cell is the chosen foreground any more (the index becomes -1), so that choosing any
  // cell next is a change. OnChange does not fire.
  void ForgetForeground() { FForegroundIndex = -1; }
  bool ForegroundEnabled = true;
  bool BackgroundEnabled = true;
  bool ClickEnablesColor = false;
  int Selection = 0;
  TColor ForegroundColor() const { return GridColor(FForegroundIndex); }

  // Cell i of a grid of width by height pixels, and the parts of it that are drawn.
  TRect CellRect(int index, int width, int height) const;
  TCellParts CellParts(int index, int width, int height, bool look3D) const;

  // The cell under (x, y) for a grid of width by height pixels; the point is clamped into it.
  int CellAt(int x, int y, int width, int height) const;

  // A press of the left button (foreground) or another button (background) on a cell; the
  // cursor follows. The same for each move while dragging.
  void Press(bool leftButton, int cell);
  // A key; false when the grid does not handle it.
  bool Key(TGridKey key);

  std::function<void()> OnChange;
  std::function<void()> OnClick;  // B and F keys, the end of a right-button drag

 private:
  void Choose(bool foreground, int cell);
  int FForegroundIndex = 0;
  int FBackgroundIndex = 0;
};
