#include "html/viewer/PageBreaks.h"

#include <algorithm>

#include "html/document/Cell.h"
#include "html/document/Section.h"
#include "html/tables/Table.h"

namespace {

void AddBands(const TCell& cell, std::vector<TPageBand>& bands);

void AddSectionBands(const TSectionBase& section, std::vector<TPageBand>& bands) {
  if (const auto* text = dynamic_cast<const TSection*>(&section)) {
    // Lines follow each other from the section's top; floats registered on a line hang
    // inside its paint height.
    int top = text->Top;
    for (const LineRec& line : text->Lines) {
      bands.push_back({top, top + std::max(line.Height(), line.PaintHeight)});
      top += line.Height();
    }
  } else if (const auto* table = dynamic_cast<const ThtmlTable*>(&section)) {
    // Cells are laid out at their final document y.
    if (table->Caption) AddBands(table->Caption->Cell, bands);
    for (const auto& row : table->Rows)
      for (const auto& slot : row->Cells)
        if (!slot->IsFiller()) AddBands(slot->Cell, bands);
  } else {
    bands.push_back(
        {section.Top, section.Top + std::max(section.FlowHeight, section.PaintHeight)});
  }
}

void AddBands(const TCell& cell, std::vector<TPageBand>& bands) {
  for (const auto& section : cell) AddSectionBands(*section, bands);
}

}  // namespace

std::vector<TPageBand> UncuttableBands(const TCell& cell) {
  std::vector<TPageBand> bands;
  AddBands(cell, bands);
  return bands;
}

std::vector<int> PageTops(std::vector<TPageBand> bands, int height, int pageHeight) {
  std::vector<int> tops{0};
  if (pageHeight <= 0) return tops;
  std::sort(bands.begin(), bands.end(),
            [](const TPageBand& a, const TPageBand& b) { return a.Top < b.Top; });
  // reach[i]: the bottom reaching furthest down among bands[0..i]. y is a free cut exactly
  // when every band starting above y ends by it.
  std::vector<int> reach(bands.size());
  for (std::size_t i = 0; i < bands.size(); ++i)
    reach[i] = std::max(bands[i].Bottom, i > 0 ? reach[i - 1] : bands[i].Bottom);
  // How many bands start above y.
  const auto startingAbove = [&](int y) {
    return std::size_t(std::lower_bound(bands.begin(), bands.end(), y,
                                        [](const TPageBand& band, int at) { return band.Top < at; }) -
                       bands.begin());
  };
  const auto free = [&](int y) {
    const std::size_t count = startingAbove(y);
    return count == 0 || reach[count - 1] <= y;
  };
  int top = 0;
  while (height - top > pageHeight) {
    int cut = top + pageHeight;
    if (!free(cut)) {
      // The highest free cut above a crossed one is always the top of some band: try the
      // tops of the bands starting above the full height, from the lowest up.
      int fallback = cut;
      for (std::size_t i = startingAbove(cut); i-- > 0 && bands[i].Top > top;) {
        if (bands[i].Top < cut && free(bands[i].Top)) {
          fallback = bands[i].Top;
          break;
        }
      }
      cut = fallback;
    }
    tops.push_back(cut);
    top = cut;
  }
  return tops;
}
