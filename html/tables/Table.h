#pragma once
// Tables: a TABLE is one section (ThtmlTable) in the vertical list of its cell. It owns its rows
// (TCellList), each row owns its grid slots (TCellObj), and each slot with content owns a TCell
// holding the cell's sections. Row and column spans are resolved into a grid of at most
// MaxTableColumns columns; columns get their widths from the cells' minimum and maximum widths,
// their percentages and pixel widths; rows get their heights from the laid-out cells.
//
// Arithmetic follows one set of rules, since the numbers are part of the behaviour: MulDiv
// rounds halves away from zero, plain division truncates toward zero, percentages are kept in
// tenths of a percent (1000 = 100 %). Every point query and search passes into the cells in
// document coordinates (SectionBase.h): cell contents are laid out at their final document y
// and drawn at their document x, so no offset is added on the way in or out.

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "html/document/Cell.h"
#include "html/document/Section.h"
#include "html/document/SectionBase.h"
#include "html/parser/Attributes.h"
#include "platform/Color.h"

class TSectionList;

// Grid columns a table may have; one more makes layout refuse it.
inline constexpr int MaxTableColumns = 30;
inline constexpr const char* TooManyColumnsMessage = "Table has too many Columns";
// Pixel widths and heights written in a document are kept within this, so sums of them cannot
// overflow.
inline constexpr int MaxTablePixels = 32767;

// VAlign values.
inline constexpr int vaTop = 0;
inline constexpr int vaMiddle = 1;
inline constexpr int vaBottom = 2;

// One grid slot: a cell, or a filler slot covered by a spanning cell.
class TCellObj {
 public:
  // A filler slot: colSpan 0, rowSpan as given (that of a multi-column cell, or 0).
  TCellObj(TSectionList& document, int rowSpan);
  // A cell from the TD or TH attributes (BGCOLOR, COLSPAN, ROWSPAN, WIDTH, HEIGHT, NOWRAP).
  TCellObj(TSectionList& document, const TAttributeList& attributes, int vAlign);

  int ColSpan = 1;   // 0: a filler slot
  int RowSpan = 1;   // clipped to the rows left; 0: a filler made for a row span
  int Wd = 0;        // sum of the widths of the columns it spans
  int Ht = 0;        // sum of the heights of the rows it spans
  int VSize = 0;     // height of the content at its width
  int SpecHt = 0;    // HEIGHT, padding included
  int YIndent = 0;   // offset of the content below the cell's top (vertical alignment)
  int VAlign = vaMiddle;
  int SpecWd = 0;    // WIDTH: pixels, or per mille with PercentWd
  bool PercentWd = false;
  bool NoWrap = false;  // NOWRAP: the content is as wide as it is unbroken
  TCell Cell;        // the content; its background is the cell's BGCOLOR

  bool IsFiller() const { return ColSpan == 0; }
  // Measured widths of the content plus the cell allowance (set by each layout).
  int MinWidth = 0;
  int MaxWidth = 0;
};

// One row.
class TCellList {
 public:
  TCellList() = default;
  // Reads BGCOLOR of a TR.
  explicit TCellList(const TAttributeList& attributes);

  std::vector<std::unique_ptr<TCellObj>> Cells;  // the slots, left to right
  int RowHeight = 0;      // spacing and padding included
  int RowSpanHeight = 0;  // tallest total height of the cells that start in the row
  bool HasBgColor = false;
  TColor BgColor = 0;

  void Add(std::unique_ptr<TCellObj> cell) { Cells.push_back(std::move(cell)); }
};

class ThtmlTable : public TSectionBase {
 public:
  // A table at list level level in ownerCell (the cell or document that receives it), with
  // the justification in force where it begins; reads the TABLE attributes.
  ThtmlTable(TSectionList& document, int level, TCell* ownerCell, TJustify justify,
             const TAttributeList& attributes);

  std::vector<std::unique_ptr<TCellList>> Rows;
  std::unique_ptr<TCellObj> Caption;  // always present; empty without CAPTION
  bool Initialized = false;  // spans resolved
  bool HasBorder = false;
  bool CaptionOnTop = true;
  int TableLeft = 0;     // x of the body from the cell's left edge
  int TableIndent = 0;   // x of the caption (the whole block) from the cell's left edge
  TJustify Justify;
  bool Floating = false;
  int NumCols = 0;
  int TableWidth = 0;    // CellSpacing + the column widths
  int TotalWidth = 0;    // max(TableWidth, CaptionMinWidth)
  int SpecWidth = 0;     // WIDTH: pixels, or per mille with PercentWidth; 0: none
  bool PercentWidth = false;
  bool HasPixelWidthCell = false;
  int CaptionHeight = 0;
  int TableHeight = 0;   // the body: row heights plus CellSpacing
  int CellPadding = 1;
  int CellSpacing = 2;
  int CaptionMinWidth = 0;
  std::array<int, MaxTableColumns + 1> Widths{};
  std::array<int, MaxTableColumns + 1> Percents{};
  int HSpace = 5;
  int Level;
  int DrawX = 0;         // document x of the body at the last draw
  int DrawY = 0;         // document y of the table at the last draw
  bool HasBgColor = false;
  TColor BgColor = 0;
  bool HasBorderColor = false;
  TColor BorderColor = 0;
  TCell* OwnerCell;

  const char* KindName() const override { return "ThtmlTable"; }

  // Resolves spans once into the grid (fillers inserted, NumCols counted) and passes the
  // background colours down each time. Raises EProcessError "Table has too many Columns" when
  // the grid would be wider than MaxTableColumns.
  void Initialize();

  // --- Column widths (ColumnWidths.cpp). Each fills mins and maxs per column and their totals.
  struct TColumnWidths {
    std::array<int, MaxTableColumns + 1> Mins{};
    std::array<int, MaxTableColumns + 1> Maxs{};
    int MinTotal = 0;
    int MaxTotal = 0;
  };
  // Without percentages; a pixel cell width fixes the cell at max(its minimum, its width).
  TColumnWidths ColumnWidthsPlain() const;
  // With percentages (also fills Percents); tableWidth turns pixel cell widths into
  // percentages, 0 when there is no width to refer to.
  TColumnWidths ColumnWidthsWithPercents(int tableWidth);
  // Widths for a target width from mins and maxs, as when some cell has a pixel width.
  void DistributePlain(const TColumnWidths& columns, int width);
  // Widths for a target width honouring Percents, as when the table has a WIDTH.
  void DistributePercents(const TColumnWidths& columns, int width);
  // Widths of a table without WIDTH and without pixel-width cells: the narrowest width that
  // gives every percentage column its share, within the available width.
  void NaturalWidths(TColumnWidths& columns, int width);
  // Measures every cell's content (MinWidth, MaxWidth, allowance included).
  void MeasureCells(TCanvas& canvas);
  // The width a cell's content is laid out and drawn in.
  int ContentWidthOf(const TCellObj& cell) const {
    return std::max(0, cell.Wd - CellSpacing - 2 * CellPadding);
  }

  // --- Section operations.
  int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  void MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) override;
  int Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
  bool LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
              std::optional<TUrlTarget>& urlTarget) override;
  bool ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage) override;
  int PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY, int& caretHeight,
                 TCell*& cell, bool& inText) override;
  int SearchText(int start, std::u32string_view text, bool matchCase) override;
  bool PositionToPoint(TCanvas& canvas, int position, int& x, int& y) override;
  bool CharAt(int position, char32_t& ch, TSectionBase*& section) override;
  void CopySelection() override;
  void RefreshFonts() override;
  void ForEachSection(const std::function<void(const TSectionBase&)>& visit) const override;

 private:
  // The content cells in search order: a top caption, the cells row by row and left to right,
  // a bottom caption.
  std::vector<TCell*> CellsInOrder() const;
  // The cell holding a document point, or null: the caption or the body's first slot whose
  // box holds it.
  TCell* CellAtPoint(int x, int y) const;
  // Lays the rows out (heights, vertical alignment, final cell layout) from y.
  void ArrangeRows(TCanvas& canvas, int y, int& curs);
  // Row heights from the cells laid out at y 0 (row spans spread their excess).
  std::vector<int> RowHeights(TCanvas& canvas);

  // What the last full layout found, so that a second layout at the same available width
  // within one document layout (a nested table placed by its container's second pass) only
  // places the cells again. The generation is the document's LayoutGeneration, whose header
  // says when a new one must begin.
  int ArrangedGeneration = -1;
  int ArrangedAvail = 0;
  std::vector<int> Heights;
};

// Draws the 3-D frame through (left, top) and (right, bottom), canvas coordinates, both
// corners included: raised frames are light on the top and left and dark on the right and
// bottom, sunken ones the other way round. On a white page the light edge is silver, so it
// shows.
void Draw3DFrame(TCanvas& canvas, const TSectionList& document, int left, int top, int right,
                 int bottom, bool raised);
