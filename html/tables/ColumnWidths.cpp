// Column widths: from the cells' minimum and maximum widths, percentages and pixel widths to
// the width of every column. The orders, the rounding and the tie-breaks here are what makes
// a table look as it does, so each step follows its rule exactly; where a proportional share
// would divide by a zero total, the amount is divided equally instead.
#include <algorithm>

#include "html/document/MyFont.h"
#include "html/tables/Table.h"

namespace {

// The widest column span of any cell.
int WidestSpan(const std::vector<std::unique_ptr<TCellList>>& rows) {
  int widest = 1;
  for (const auto& row : rows)
    for (const auto& cell : row->Cells) widest = std::max(widest, cell->ColSpan);
  return widest;
}

void SumTotals(ThtmlTable::TColumnWidths& columns, int numCols) {
  columns.MinTotal = columns.MaxTotal = 0;
  for (int k = 0; k < numCols; ++k) {
    columns.MinTotal += columns.Mins[std::size_t(k)];
    columns.MaxTotal += columns.Maxs[std::size_t(k)];
  }
}

}  // namespace

void ThtmlTable::MeasureCells(TCanvas& canvas) {
  const int allowance = 2 * CellPadding + CellSpacing;
  for (const auto& row : Rows)
    for (const auto& cell : row->Cells) {
      if (cell->IsFiller()) continue;
      cell->Cell.MeasureWidths(canvas, cell->MinWidth, cell->MaxWidth);
      if (cell->NoWrap) cell->MinWidth = cell->MaxWidth;
      cell->MinWidth += allowance;
      cell->MaxWidth += allowance;
    }
}

ThtmlTable::TColumnWidths ThtmlTable::ColumnWidthsPlain() const {
  TColumnWidths columns;
  auto& mins = columns.Mins;
  auto& maxs = columns.Maxs;
  const int widest = WidestSpan(Rows);
  for (int span = 1; span <= widest; ++span) {
    for (const auto& row : Rows) {
      for (std::size_t c = 0; c < row->Cells.size(); ++c) {
        const TCellObj& cell = *row->Cells[c];
        if (cell.ColSpan != span) continue;
        int cellMin = cell.MinWidth, cellMax = cell.MaxWidth;
        if (span == 1) {
          if (cell.SpecWd > 0 && !cell.PercentWd) {
            cellMin = std::max(cellMin, cell.SpecWd + 2 * CellPadding + CellSpacing);
            cellMax = cellMin;
          }
          mins[c] = std::max(mins[c], cellMin);
          maxs[c] = std::max(maxs[c], cellMax);
          continue;
        }
        const std::size_t end = std::min(c + std::size_t(span), std::size_t(NumCols));
        const auto spread = [&](auto& values, int value) {
          int sum = 0;
          for (std::size_t k = c; k < end; ++k) sum += values[k];
          if (sum >= value) return;
          for (std::size_t k = c; k < end; ++k)
            values[k] += sum == 0 ? value / span : MulDiv(values[k], value - sum, sum);
        };
        spread(mins, cellMin);
        spread(maxs, cellMax);
      }
    }
  }
  SumTotals(columns, NumCols);
  return columns;
}

ThtmlTable::TColumnWidths ThtmlTable::ColumnWidthsWithPercents(int tableWidth) {
  TColumnWidths columns;
  auto& mins = columns.Mins;
  auto& maxs = columns.Maxs;
  Percents.fill(0);
  const int widest = WidestSpan(Rows);
  for (int span = 1; span <= widest; ++span) {
    for (const auto& row : Rows) {
      for (std::size_t c = 0; c < row->Cells.size(); ++c) {
        const TCellObj& cell = *row->Cells[c];
        if (cell.ColSpan != span) continue;
        int p = 0;
        if (cell.PercentWd)
          p = cell.SpecWd;
        else if (cell.SpecWd > 0 && tableWidth > 0)
          p = std::min(1000, MulDiv(cell.SpecWd, 1000, tableWidth));
        const int cellMin = cell.MinWidth, cellMax = cell.MaxWidth;
        if (span == 1) {
          maxs[c] = std::max(maxs[c], cellMax);
          mins[c] = std::max(mins[c], cellMin);
          Percents[c] = std::max(Percents[c], p);
          continue;
        }
        const std::size_t end = std::min(c + std::size_t(span), std::size_t(NumCols));
        int minSum = 0, maxSum = 0, percentSum = 0, unset = 0;
        for (std::size_t k = c; k < end; ++k) {
          minSum += mins[k];
          maxSum += maxs[k];
          if (Percents[k] > 0)
            percentSum += Percents[k];
          else
            ++unset;
        }
        const int minExcess = cellMin - minSum;
        const int maxExcess = cellMax - maxSum;
        if (p > 0 || percentSum > 0) {
          const int share = unset > 0 ? std::max(0, (p - percentSum) / unset) : 0;
          if (unset == 0 && percentSum < p) {
            for (std::size_t k = c; k < end; ++k) Percents[k] = MulDiv(Percents[k], p, percentSum);
          } else if (share > 0) {
            for (std::size_t k = c; k < end; ++k)
              if (Percents[k] == 0) Percents[k] = share;
          }
          const int total = std::max(percentSum, p);
          if (minExcess > 0) {
            if (unset <= 0) {
              for (std::size_t k = c; k < end; ++k)
                mins[k] = std::max(MulDiv(cellMin, Percents[k], total), mins[k]);
            } else {
              int freeMaxs = 0, freeCount = 0;
              for (std::size_t k = c; k < end; ++k)
                if (Percents[k] == 0) freeMaxs += maxs[k], ++freeCount;
              for (std::size_t k = c; k < end; ++k)
                if (Percents[k] == 0)
                  mins[k] += freeMaxs > 0 ? MulDiv(minExcess, maxs[k], freeMaxs)
                                          : minExcess / freeCount;
            }
          }
          if (maxExcess > 0) {
            if (unset <= 0) {
              for (std::size_t k = c; k < end; ++k)
                maxs[k] = std::max(MulDiv(cellMax, Percents[k], total), maxs[k]);
            } else {
              for (std::size_t k = c; k < end; ++k)
                if (Percents[k] == 0) maxs[k] += maxExcess / unset;
            }
          }
        } else {
          if (minExcess > 0)
            for (std::size_t k = c; k < end; ++k)
              mins[k] = minSum == 0 ? cellMin / span : MulDiv(cellMin, mins[k], minSum);
          if (maxExcess > 0)
            for (std::size_t k = c; k < end; ++k)
              maxs[k] = maxSum == 0 ? cellMax / span : MulDiv(cellMax, maxs[k], maxSum);
        }
      }
    }
  }
  SumTotals(columns, NumCols);
  return columns;
}

void ThtmlTable::DistributePlain(const TColumnWidths& columns, int width) {
  const int minTotal = columns.MinTotal, maxTotal = columns.MaxTotal;
  for (std::size_t k = 0; k < std::size_t(NumCols); ++k) {
    const int min = columns.Mins[k], max = columns.Maxs[k];
    if (minTotal >= width)
      Widths[k] = min;
    else if (width < maxTotal)  // so maxTotal > width > minTotal
      Widths[k] = min + MulDiv(max - min, width - minTotal, maxTotal - minTotal);
    else
      Widths[k] = max;
  }
}

void ThtmlTable::DistributePercents(const TColumnWidths& columns, int width) {
  const std::size_t count = std::size_t(NumCols);
  std::array<bool, MaxTableColumns + 1> active{};  // a percentage column above its minimum
  std::array<bool, MaxTableColumns + 1> pinned{};  // a percentage column held at its minimum
  int activePercents = 0, freeCount = 0, slack = 0, sum = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (Percents[k] <= 0) {
      Widths[k] = columns.Mins[k];
      ++freeCount;
      slack += columns.Maxs[k] - columns.Mins[k];
    } else {
      const int want = MulDiv(width, Percents[k], 1000);
      if (columns.Mins[k] < want) {
        Widths[k] = want;
        active[k] = true;
        activePercents += Percents[k];
      } else {
        Widths[k] = columns.Mins[k];
        pinned[k] = true;
      }
    }
    sum += Widths[k];
  }
  int excess = sum - width;
  if (excess < 0) {
    const int room = -excess;
    for (std::size_t k = 0; k < count; ++k) {
      if (freeCount == 0) {
        if (active[k]) Widths[k] += MulDiv(room, Percents[k], activePercents);
      } else if (Percents[k] <= 0) {
        Widths[k] += slack == 0 ? room / freeCount
                                : MulDiv(room, columns.Maxs[k] - columns.Mins[k], slack);
      }
    }
  } else if (excess > 0) {
    for (int pass = 0; pass < 4; ++pass) {
      bool pinnedOne = false;
      for (std::size_t k = 0; k < count && activePercents > 0; ++k) {
        if (!active[k]) continue;
        const int cut = MulDiv(excess, Percents[k], activePercents);
        if (Widths[k] - cut < columns.Mins[k]) {
          excess -= Widths[k] - columns.Mins[k];
          Widths[k] = columns.Mins[k];
          active[k] = false;
          pinned[k] = true;
          activePercents -= Percents[k];
          pinnedOne = true;
        }
      }
      if (!pinnedOne) break;
    }
    if (activePercents > 0) {
      const int left = excess;
      for (std::size_t k = 0; k < count; ++k)
        if (active[k]) Widths[k] -= MulDiv(left, Percents[k], activePercents);
    }
  }
  sum = 0;
  for (std::size_t k = 0; k < count; ++k) sum += Widths[k];
  if (count == 0) return;
  if (sum < width) {
    Widths[0] += width - sum;
  } else if (sum > width) {
    for (std::size_t k = 0; k < count; ++k)
      if (!pinned[k]) {
        Widths[k] -= sum - width;
        break;
      }
  }
}

void ThtmlTable::NaturalWidths(TColumnWidths& columns, int width) {
  const std::size_t count = std::size_t(NumCols);
  auto& mins = columns.Mins;
  auto& maxs = columns.Maxs;
  int percentTotal = 0;
  for (std::size_t k = 0; k < count; ++k) percentTotal += Percents[k];
  if (percentTotal > 0 && percentTotal <= 1000) {
    int nonPercent = 0, need = 0;
    for (std::size_t k = 0; k < count; ++k) {
      if (Percents[k] > 0)
        need = std::max(need, MulDiv(maxs[k], 1000, Percents[k]));
      else
        nonPercent += maxs[k];
    }
    const int needRest = percentTotal < 1000 ? MulDiv(nonPercent, 1000, 1000 - percentTotal)
                         : nonPercent >= 1 ? 30000
                                           : 0;
    need = std::max(need, needRest);
    if (width >= need) {
      const int rest = MulDiv(need, 1000 - percentTotal, 1000);
      for (std::size_t k = 0; k < count; ++k)
        Widths[k] = Percents[k] > 0 ? MulDiv(need, Percents[k], 1000)
                    : nonPercent == 0 ? 0
                                      : MulDiv(maxs[k], rest, nonPercent);
      return;
    }
    // Percentages scale down until the columns that keep one fit beside the minimum widths of
    // the others; each round lowers every percentage, so the rounds end.
    for (;;) {
      int fixedSum = 0, shareSum = 0;
      bool anyPercent = false;
      for (std::size_t k = 0; k < count; ++k) {
        if (Percents[k] > 0) {
          const int share = MulDiv(width, Percents[k], 1000) - 1;
          if (share < mins[k]) {
            Percents[k] = 0;
            fixedSum += mins[k];
          } else {
            shareSum += share;
            anyPercent = true;
          }
        } else {
          fixedSum += mins[k];
        }
      }
      if (!anyPercent) break;
      if (fixedSum + shareSum > width) {
        // Shares of nothing cannot shrink: their percentages go.
        for (std::size_t k = 0; k < count; ++k)
          if (Percents[k] > 0)
            Percents[k] =
                shareSum == 0 ? 0 : int((long long)Percents[k] * (width - fixedSum) / shareSum);
        continue;
      }
      for (std::size_t k = 0; k < count; ++k)
        if (Percents[k] > 0) mins[k] = maxs[k] = MulDiv(width, Percents[k], 1000);
      SumTotals(columns, NumCols);
      break;
    }
  }
  for (std::size_t k = 0; k < count; ++k)
    Widths[k] = width < columns.MaxTotal && columns.MaxTotal != columns.MinTotal
                    ? mins[k] + MulDiv(maxs[k] - mins[k], width - columns.MinTotal,
                                       columns.MaxTotal - columns.MinTotal)
                    : maxs[k];
}
