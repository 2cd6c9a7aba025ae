// The table's parts as the builder makes them from attributes, and the resolution of spans
// into the grid.
#include <algorithm>
#include <cstdlib>

#include "html/document/SectionList.h"
#include "html/parser/Colors.h"
#include "html/support/Errors.h"
#include "html/support/LetterCase.h"
#include "html/tables/Table.h"

namespace {

// A colour attribute, marked as a document colour; none when it does not parse.
std::optional<TColor> AttributeColor(const TAttribute& attribute) {
  const auto color = ColorFromString(attribute.StrValue);
  if (!color) return std::nullopt;
  return TColor(*color | DocumentColorFlag);
}

bool HasPercent(const TAttribute& attribute) {
  return attribute.StrValue.find(U'%') != std::u32string::npos;
}

void Overflow() { throw EProcessError(TooManyColumnsMessage); }

}  // namespace

TCellObj::TCellObj(TSectionList& document, int rowSpan)
    : ColSpan(0), RowSpan(rowSpan), Cell(&document) {}

TCellObj::TCellObj(TSectionList& document, const TAttributeList& attributes, int vAlign)
    : VAlign(vAlign), Cell(&document) {
  for (const auto& attribute : attributes) {
    switch (attribute->Symbol) {
      case symBgcolor:
        if (const auto color = AttributeColor(*attribute)) {
          Cell.HasBackground = true;
          Cell.BackgroundColor = *color;
        }
        break;
      // A span wider than the grid can be is refused all the same; keeping it small keeps the
      // fillers it asks for few.
      case symColspan:
        if (attribute->IntValue > 1) ColSpan = std::min(attribute->IntValue, MaxTableColumns + 1);
        break;
      case symRowspan:
        if (attribute->IntValue > 1) RowSpan = attribute->IntValue;
        break;
      case symWidth:
        if (HasPercent(*attribute)) {
          if (attribute->IntValue >= 1 && attribute->IntValue <= 100) {
            SpecWd = attribute->IntValue * 10;
            PercentWd = true;
          }
        } else if (attribute->IntValue > 0) {
          SpecWd = std::min(attribute->IntValue, MaxTablePixels);
          PercentWd = false;
        }
        break;
      case symHeight: SpecHt = std::clamp(attribute->IntValue, 0, MaxTablePixels); break;
      case symNowrap: NoWrap = true; break;
      default: break;
    }
  }
}

TCellList::TCellList(const TAttributeList& attributes) {
  for (const auto& attribute : attributes) {
    if (attribute->Symbol != symBgcolor) continue;
    if (const auto color = AttributeColor(*attribute)) {
      HasBgColor = true;
      BgColor = *color;
    }
  }
}

ThtmlTable::ThtmlTable(TSectionList& document, int level, TCell* ownerCell, TJustify justify,
                       const TAttributeList& attributes)
    : Caption(std::make_unique<TCellObj>(document, TAttributeList(), vaTop)),
      Justify(justify),
      Level(level),
      OwnerCell(ownerCell) {
  Document = &document;
  for (const auto& attribute : attributes) {
    const int value = attribute->IntValue;
    switch (attribute->Symbol) {
      case symAlign:
        if (EqualsIgnoringCase(attribute->StrValue, U"CENTER")) {
          Justify = jCentre;
        } else if (EqualsIgnoringCase(attribute->StrValue, U"LEFT")) {
          Justify = jLeft;
          Floating = true;
        } else if (EqualsIgnoringCase(attribute->StrValue, U"RIGHT")) {
          Justify = jRight;
          Floating = true;
        }
        break;
      case symBgcolor:
        if (const auto color = AttributeColor(*attribute)) {
          HasBgColor = true;
          BgColor = *color;
        }
        break;
      case symBorder: HasBorder = value > 0; break;
      case symCellpadding:
        if (value >= 0) CellPadding = std::min(value, 50);
        break;
      case symCellspacing:
        if (value >= 0) CellSpacing = std::min(value, 40);
        break;
      case symWidth:
        if (HasPercent(*attribute)) {
          if (value >= 1 && value <= 100) SpecWidth = value * 10;
          PercentWidth = true;
        } else {
          SpecWidth = std::min(value, MaxTablePixels);
        }
        break;
      case symBordercolor:
        if (const auto color = AttributeColor(*attribute)) {
          HasBorderColor = true;
          BorderColor = *color;
        }
        break;
      case symHspace:
        HSpace = value == INT32_MIN ? 20 : std::min(20, std::abs(value));
        break;
      default: break;
    }
  }
  if (HasBorder) CellSpacing += 2;
}

void ThtmlTable::Initialize() {
  if (!HasBgColor && OwnerCell && OwnerCell->HasBackground) {
    HasBgColor = true;
    BgColor = OwnerCell->BackgroundColor;
  }
  const auto takeColor = [](TCellObj& cell, bool has, TColor color) {
    if (has && !cell.Cell.HasBackground) {
      cell.Cell.HasBackground = true;
      cell.Cell.BackgroundColor = color;
    }
  };
  for (const auto& row : Rows) {
    for (const auto& cell : row->Cells) takeColor(*cell, row->HasBgColor, row->BgColor);
    auto& cells = row->Cells;
    for (std::size_t i = cells.size(); i-- > 0;) {
      TCellObj& cell = *cells[i];
      if (cell.SpecWd > 0 && !cell.PercentWd) HasPixelWidthCell = true;
      takeColor(cell, HasBgColor, BgColor);
      if (Initialized || cell.ColSpan <= 1) continue;
      // A grid too wide is refused at the end whatever else happens, so it is refused as soon
      // as a row shows it: the fillers stay few whatever the spans ask for.
      if (cells.size() + std::size_t(cell.ColSpan - 1) > std::size_t(MaxTableColumns)) Overflow();
      const int rowSpan = cell.RowSpan;
      for (int n = 1; n < cell.ColSpan; ++n)
        cells.insert(cells.begin() + std::ptrdiff_t(i) + 1,
                     std::make_unique<TCellObj>(*Document, rowSpan));
    }
  }
  if (Initialized) return;

  const auto longestRow = [this] {
    std::size_t longest = 0;
    for (const auto& row : Rows) longest = std::max(longest, row->Cells.size());
    return int(longest);
  };
  NumCols = longestRow();
  if (NumCols > MaxTableColumns) Overflow();
  const int rowCount = int(Rows.size());
  const int columns = NumCols;  // the columns as they stood before row spans push cells right
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < rowCount; ++r) {
      auto& cells = Rows[std::size_t(r)]->Cells;
      if (int(cells.size()) <= c) continue;
      TCellObj& cell = *cells[std::size_t(c)];
      cell.RowSpan = std::min(cell.RowSpan, rowCount - r);
      for (int below = r + 1; below < r + cell.RowSpan; ++below) {
        auto& next = Rows[std::size_t(below)]->Cells;
        while (int(next.size()) < c) next.push_back(std::make_unique<TCellObj>(*Document, 0));
        next.insert(next.begin() + c, std::make_unique<TCellObj>(*Document, 0));
        if (int(next.size()) > MaxTableColumns) Overflow();
      }
    }
  }
  // Cells pushed right of the columns walked above keep their row span unresolved; it still
  // must not reach past the last row.
  for (int r = 0; r < rowCount; ++r)
    for (const auto& cell : Rows[std::size_t(r)]->Cells)
      cell->RowSpan = std::min(cell->RowSpan, rowCount - r);
  NumCols = longestRow();
  if (NumCols > MaxTableColumns) Overflow();
  Initialized = true;
}

std::vector<TCell*> ThtmlTable::CellsInOrder() const {
  std::vector<TCell*> cells;
  if (CaptionOnTop) cells.push_back(&Caption->Cell);
  for (const auto& row : Rows)
    for (const auto& cell : row->Cells)
      if (!cell->IsFiller()) cells.push_back(&cell->Cell);
  if (!CaptionOnTop) cells.push_back(&Caption->Cell);
  return cells;
}

void ThtmlTable::ForEachSection(const std::function<void(const TSectionBase&)>& visit) const {
  visit(*this);
  const auto cellSections = [&](const TCell& cell) {
    for (const auto& section : cell) section->ForEachSection(visit);
  };
  cellSections(Caption->Cell);
  for (const auto& row : Rows)
    for (const auto& cell : row->Cells) cellSections(cell->Cell);
}
