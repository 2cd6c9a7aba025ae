#include "app/ColorGridModel.h"

#include <algorithm>

TColor GridColor(int index) {
  static const TColor Colors[16] = {clBlack, clMaroon,  clGreen, clOlive, clNavy, clPurple,
                                    clTeal,  clSilver,  clGray,  clRed,   clLime, clYellow,
                                    clBlue,  clFuchsia, clAqua,  clWhite};
  return index >= 0 && index < 16 ? Colors[index] : clBlack;
}

void TColorGridModel::SetForegroundIndex(int index) {
  if (index == FForegroundIndex || !ForegroundEnabled) return;
  FForegroundIndex = index;
  if (OnChange) OnChange();
}

void TColorGridModel::SetBackgroundIndex(int index) {
  if (index == FBackgroundIndex || !BackgroundEnabled) return;
  FBackgroundIndex = index;
  if (OnChange) OnChange();
}

namespace {

TRect Inset(const TRect& rect, int by) {
  return {rect.Left + by, rect.Top + by, rect.Right - by, rect.Bottom - by};
}

}  // namespace

TRect TColorGridModel::CellRect(int index, int width, int height) const {
  const int cellWidth = width / Columns();
  const int cellHeight = height / Rows();
  const int left = index % Columns() * cellWidth;
  const int top = index / Columns() * cellHeight;
  return {left, top, left + cellWidth, top + cellHeight};
}

TCellParts TColorGridModel::CellParts(int index, int width, int height, bool look3D) const {
  const TRect cell = CellRect(index, width, height);
  if (look3D) return {cell, Inset(cell, 1), Inset(cell, 3), Inset(cell, 4)};
  return {cell, cell, Inset(cell, 1), Inset(cell, 2)};
}

int TColorGridModel::CellAt(int x, int y, int width, int height) const {
  const int cellWidth = std::max(1, width / Columns());
  const int cellHeight = std::max(1, height / Rows());
  x = std::clamp(x, 0, cellWidth * Columns() - 1);
  y = std::clamp(y, 0, cellHeight * Rows() - 1);
  return y / cellHeight * Columns() + x / cellWidth;
}

void TColorGridModel::Choose(bool foreground, int cell) {
  if (foreground) {
    if (!ForegroundEnabled && ClickEnablesColor) ForegroundEnabled = true;
    SetForegroundIndex(cell);
  } else {
    if (!BackgroundEnabled && ClickEnablesColor) BackgroundEnabled = true;
    SetBackgroundIndex(cell);
  }
}

void TColorGridModel::Press(bool leftButton, int cell) {
  Choose(leftButton, cell);
  Selection = cell;
}

bool TColorGridModel::Key(TGridKey key) {
  const int last = CellCount - 1;
  const int columns = Columns();
  int cell = Selection;
  switch (key) {
    case gkRight:
    case gkSpace:
      cell = cell < last ? cell + 1 : 0;
      break;
    case gkLeft:
      cell = cell > 0 ? cell - 1 : last;
      break;
    case gkHome:
      cell = 0;
      break;
    case gkEnd:
      cell = last;
      break;
    case gkUp:
      // From the top row to the bottom row, one column to the left.
      if (cell >= columns)
        cell -= columns;
      else if (cell == 0)
        cell = last;
      else
        cell = cell + last - columns;
      break;
    case gkDown:
      // From the bottom row to the top row, one column to the right.
      if (cell + columns <= last)
        cell += columns;
      else if (cell == last)
        cell = 0;
      else
        cell = cell - last + columns;
      break;
    case gkLetterB:
    case gkLetterF:
      Choose(key == gkLetterF, cell);
      if (OnClick) OnClick();
      break;
    case gkOther:
      return false;
  }
  Selection = cell;
  return true;
}
