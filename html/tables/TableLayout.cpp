// Table layout: the available width, the column widths by case, row heights with row spans,
// vertical alignment, captions, placement and floating.
#include <algorithm>

#include "html/document/IndentManager.h"
#include "html/document/MyFont.h"
#include "html/document/SectionList.h"
#include "html/tables/Table.h"

void ThtmlTable::MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) {
  Initialize();
  MeasureCells(canvas);
  const bool pixelWidth = SpecWidth >= 1 && !PercentWidth;
  const TColumnWidths columns = SpecWidth >= 1 || !HasPixelWidthCell
                                    ? ColumnWidthsWithPercents(pixelWidth ? SpecWidth : 0)
                                    : ColumnWidthsPlain();
  minWidth = columns.MinTotal + CellSpacing;
  maxWidth = columns.MaxTotal + CellSpacing;
  if (pixelWidth) {
    minWidth = std::max(minWidth, SpecWidth);
    maxWidth = std::max(maxWidth, SpecWidth);
  }
  int captionMin = 0, captionMax = 0;
  Caption->Cell.MeasureWidths(canvas, captionMin, captionMax);
  minWidth = std::max(captionMin, minWidth);
  maxWidth = std::max(captionMin, maxWidth);
}

std::vector<int> ThtmlTable::RowHeights(TCanvas& canvas) {
  const int rowCount = int(Rows.size());
  std::vector<int> heights(std::size_t(rowCount), 0);
  // Cells spanning rows, in the order their spans are settled: shorter spans first, then by
  // row, then left to right.
  struct TSpanning {
    int Span;
    int Row;
    TCellObj* Cell;
  };
  std::vector<TSpanning> spanning;
  const int allowance = 2 * CellPadding + CellSpacing;
  const auto layOut = [&](TCellObj& cell) {
    // Laid out at y 0 only to learn its height; the final layout places it.
    int width = 0, scratch = 0;
    cell.VSize = cell.Cell.Arrange(canvas, 0, ContentWidthOf(cell), width, scratch);
    return std::max(cell.VSize, cell.SpecHt - 2 * CellPadding);
  };
  for (int r = 0; r < rowCount; ++r) {
    const auto& cells = Rows[std::size_t(r)]->Cells;
    int value = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      TCellObj& cell = *cells[c];
      if (cell.IsFiller()) continue;
      cell.Wd = 0;
      for (std::size_t k = c; k < c + std::size_t(cell.ColSpan) && k < std::size_t(NumCols); ++k)
        cell.Wd += Widths[k];
      if (cell.RowSpan > 1)
        spanning.push_back({cell.RowSpan, r, &cell});
      else
        value = std::max(value, layOut(cell));
    }
    heights[std::size_t(r)] = value + allowance;
  }
  std::stable_sort(spanning.begin(), spanning.end(),
                   [](const TSpanning& a, const TSpanning& b) { return a.Span < b.Span; });
  for (std::size_t i = 0; i < spanning.size();) {
    const int span = spanning[i].Span, row = spanning[i].Row;
    int value = 0;
    for (; i < spanning.size() && spanning[i].Span == span && spanning[i].Row == row; ++i)
      value = std::max(value, layOut(*spanning[i].Cell));
    value += allowance;
    int sum = 0;
    for (int r = row; r < row + span; ++r) sum += heights[std::size_t(r)];
    if (sum >= value) continue;
    const int shortfall = value - sum;
    for (int r = row; r < row + span; ++r) heights[std::size_t(r)] += shortfall / span;
    heights[std::size_t(row + span - 1)] += shortfall % span;
  }
  return heights;
}

void ThtmlTable::ArrangeRows(TCanvas& canvas, int y, int& curs) {
  int width = 0;
  int height = 0;
  CaptionHeight = 0;
  if (CaptionOnTop) {
    CaptionHeight = Caption->Cell.Arrange(canvas, y, TotalWidth, width, curs);
    height = CaptionHeight;
  }
  for (std::size_t r = 0; r < Rows.size(); ++r) {
    TCellList& row = *Rows[r];
    const int rowTop = y + height;
    row.RowHeight = Heights[r];
    row.RowSpanHeight = 0;
    for (const auto& cell : row.Cells) {
      if (cell->IsFiller()) continue;
      cell->Ht = 0;
      for (std::size_t k = r; k < r + std::size_t(cell->RowSpan) && k < Heights.size(); ++k)
        cell->Ht += Heights[k];
      row.RowSpanHeight = std::max(row.RowSpanHeight, cell->Ht);
      if (cell->Cell.Count() == 0) {
        cell->YIndent = 0;
        cell->Cell.FirstPos = curs;
        cell->Cell.PosCount = 0;
        continue;
      }
      const int room = cell->Ht - cell->VSize - CellSpacing - 2 * CellPadding;
      cell->YIndent = cell->VAlign == vaMiddle ? room / 2 : cell->VAlign == vaBottom ? room : 0;
      cell->Cell.Arrange(canvas, rowTop + CellPadding + CellSpacing + cell->YIndent,
                         ContentWidthOf(*cell), width, curs);
    }
    height += row.RowHeight;
  }
  height += CellSpacing;
  TableHeight = height - CaptionHeight;
  if (!CaptionOnTop) {
    CaptionHeight = Caption->Cell.Arrange(canvas, y + TableHeight, TotalWidth, width, curs);
    height += CaptionHeight;
  }
}

int ThtmlTable::Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  Top = y;
  FirstPos = curs;
  indent.SetLevel(y, Level);
  const int avail = indent.RightLimit(y) - indent.LeftIndent(y);
  const bool again = ArrangedGeneration == Document->LayoutGeneration && ArrangedAvail == avail;
  if (!again) {
    int specified = avail;
    if (SpecWidth >= 1) specified = PercentWidth ? MulDiv(avail, SpecWidth, 1000) : SpecWidth;
    const int width = std::max(specified - CellSpacing, 20);
    Initialize();
    MeasureCells(canvas);
    Widths.fill(0);
    if (SpecWidth >= 1 || !HasPixelWidthCell) {
      TColumnWidths columns = ColumnWidthsWithPercents(width);
      if (columns.MinTotal >= width)
        Widths = columns.Mins;
      else if (SpecWidth >= 1)
        DistributePercents(columns, width);
      else
        NaturalWidths(columns, width);
    } else {
      DistributePlain(ColumnWidthsPlain(), width);
    }
    TableWidth = CellSpacing;
    for (int k = 0; k < NumCols; ++k) TableWidth += Widths[std::size_t(k)];
    int captionMax = 0;
    Caption->Cell.MeasureWidths(canvas, CaptionMinWidth, captionMax);
    TotalWidth = std::max(TableWidth, CaptionMinWidth);
    Heights = RowHeights(canvas);
    ArrangedGeneration = Document->LayoutGeneration;
    ArrangedAvail = avail;
  }
  ArrangeRows(canvas, y, curs);
  const int height = TableHeight + CaptionHeight;

  TableIndent = 0;
  if (TotalWidth < avail) {
    if (Justify == jCentre)
      TableIndent = (avail - TotalWidth) / 2;
    else if (Justify == jRight)
      TableIndent = avail - TotalWidth;
  }
  TableIndent += indent.LeftIndent(Top);
  TableLeft = (TotalWidth - TableWidth) / 2 + TableIndent;

  PosCount = curs - FirstPos;
  maxWidth = TotalWidth;
  PaintHeight = height;
  if (Floating) {
    indent.AddFloat(Top, TotalWidth + HSpace + 1, Justify, height);
    FlowHeight = 0;
  } else {
    FlowHeight = height;
  }
  return FlowHeight;
}
