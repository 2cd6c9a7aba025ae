// Point queries, searches and copying through a table's cells. Points and answers are in
// document coordinates, like the cells' own, so they pass through unchanged.
#include "html/tables/Table.h"

TCell* ThtmlTable::CellAtPoint(int x, int y) const {
  if (y < Top || y >= Top + PaintHeight) return nullptr;
  const int captionLeft = DrawX - TableLeft + TableIndent;
  const bool inCaption = x >= captionLeft && x < captionLeft + TotalWidth;
  const bool inBody = x >= DrawX && x <= DrawX + TableWidth;
  int bodyTop = Top;
  if (CaptionOnTop) {
    if (y < Top + CaptionHeight) return inCaption ? &Caption->Cell : nullptr;
    bodyTop += CaptionHeight;
  } else if (y >= Top + TableHeight) {
    return inCaption ? &Caption->Cell : nullptr;
  }
  if (!inBody) return nullptr;
  int rowTop = bodyTop;
  for (const auto& row : Rows) {
    int columnX = DrawX;
    for (std::size_t c = 0; c < row->Cells.size(); ++c) {
      const TCellObj& cell = *row->Cells[c];
      if (!cell.IsFiller() && x >= columnX && x < columnX + cell.Wd && y >= rowTop &&
          y < rowTop + cell.Ht)
        return const_cast<TCell*>(&cell.Cell);
      columnX += Widths[c];
    }
    rowTop += row->RowHeight;
  }
  return nullptr;
}

bool ThtmlTable::LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
                        std::optional<TUrlTarget>& urlTarget) {
  TCell* cell = CellAtPoint(x, y);
  return cell && cell->LinkAt(canvas, x, y, formControl, urlTarget);
}

bool ThtmlTable::ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage) {
  TCell* cell = CellAtPoint(x, y);
  return cell && cell->ImageAt(x, y, image, xInImage, yInImage);
}

int ThtmlTable::PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY,
                           int& caretHeight, TCell*& cell, bool& inText) {
  TCell* hit = CellAtPoint(x, y);
  return hit ? hit->PositionAt(canvas, x, y, caretX, caretY, caretHeight, cell, inText) : -1;
}

int ThtmlTable::SearchText(int start, std::u32string_view text, bool matchCase) {
  for (TCell* cell : CellsInOrder()) {
    const int found = cell->SearchText(start, text, matchCase);
    if (found >= 0) return found;
  }
  return -1;
}

bool ThtmlTable::PositionToPoint(TCanvas& canvas, int position, int& x, int& y) {
  if (PosCount == 0 || position < FirstPos || position >= FirstPos + PosCount) return false;
  for (TCell* cell : CellsInOrder())
    if (cell->PositionToPoint(canvas, position, x, y)) return true;
  return false;
}

bool ThtmlTable::CharAt(int position, char32_t& ch, TSectionBase*& section) {
  if (PosCount == 0 || position < FirstPos || position >= FirstPos + PosCount) return false;
  for (TCell* cell : CellsInOrder())
    if (cell->CharAt(position, ch, section)) return true;
  return false;
}

void ThtmlTable::CopySelection() {
  for (TCell* cell : CellsInOrder()) cell->CopySelection();
}

void ThtmlTable::RefreshFonts() {
  for (TCell* cell : CellsInOrder()) cell->RefreshFonts();
}
