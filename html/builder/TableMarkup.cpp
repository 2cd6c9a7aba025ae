// Tables: TABLE, its rows, cells and caption. Cell contents are parsed by the body loop into
// the cell's own list of sections, so a table inside a cell is built recursively.
#include "html/builder/HtmlBuilder.h"
#include "html/builder/AlignValue.h"
#include "html/document/SectionList.h"
#include "html/support/LetterCase.h"
#include "html/tables/Table.h"

namespace {

// What ends the content of a cell or caption.
const TSymbolSet CellStops{symTableEnd, symTd,  symTdEnd, symTr,         symTrEnd,
                           symTh,       symThEnd, symCaption, symCaptionEnd};

// VALIGN of a TR, TD or TH as vaTop, vaMiddle or vaBottom; fallback for none or another value.
int CellValign(const TTokenizer& tokens, int fallback) {
  const std::u32string value = LowerAscii(tokens.AttributeText(symValign));
  if (value == U"top" || value == U"baseline") return vaTop;
  if (value == U"middle") return vaMiddle;
  if (value == U"bottom") return vaBottom;
  return fallback;
}

}  // namespace

void THtmlBuilder::ParseTable(int level) {
  if (!CanNest()) {
    // Deeper tables are not built: their cells join the table around them.
    NextSymbol();
    return;
  }
  TNesting nesting(Nesting);
  // Lists in cells start again at the first level.
  TRestore<int> savedListLevel(ListLevel);
  ListLevel = 0;
  if (InLink) EndLink();
  const std::size_t savedFonts = FontStack.size();
  CloseSection();
  TCell* const savedCell = CurrentCell;
  const TJustify savedAlign = CurrentAlign;
  const TFontStyles savedStyle = CurrentStyle;
  const bool savedRightToLeft = CurrentRightToLeft;
  // Cells take the table's direction unless their own DIR says otherwise.
  const bool tableRightToLeft = TagDirection().value_or(CurrentRightToLeft);
  CurrentCell = nullptr;

  auto table = std::make_unique<ThtmlTable>(Document, level, savedCell, savedAlign,
                                            Tokens.Attributes);
  std::unique_ptr<TCellList> row;
  std::unique_ptr<TCellObj> cell;
  // The row's ALIGN; 0 when it has none.
  int rowJustify = 0;
  int rowValign = vaMiddle;
  NextSymbol();

  const auto popFonts = [&] {
    while (FontStack.size() > savedFonts && FontStack.size() > 1) PopFont();
  };
  // A cell is never dropped: text that strays out of it (CurrentCell back on the table) does
  // not end it, and what its sections hold (anchors among them) stays alive.
  const auto finishCell = [&] {
    if (CurrentCell) CloseSection();
    if (cell) {
      if (!row) row = std::make_unique<TCellList>();
      row->Add(std::move(cell));
    }
    CurrentCell = nullptr;
  };
  const auto finishRow = [&] {
    finishCell();
    if (row) table->Rows.push_back(std::move(row));
  };

  // Ends the table where it stands and adds it to the cell that was current.
  const auto complete = [&] {
    finishRow();
    CurrentCell = savedCell;
    CurrentCell->AddSection(std::move(table));
    CurrentStyle = savedStyle;
    CurrentAlign = savedAlign;
    CurrentRightToLeft = savedRightToLeft;
  };

  try {
    while (Sym() != symTableEnd && Sym() != symEof) {
      switch (Sym()) {
        case symText:
          // Text between cells shows before the table, in the cell that receives it; what
          // the last cell still has open stays in that cell, with its controls.
          if (CurrentCell) CloseSection();
          CurrentCell = savedCell;
          ParseBody(0, CellStops);
          CloseSection();
          CurrentCell = nullptr;
          break;
        case symTd:
        case symTh: {
          if (InLink) EndLink();
          popFonts();
          CurrentStyle = savedStyle;
          if (row) {
            finishCell();
          } else {
            row = std::make_unique<TCellList>();
            rowJustify = 0;
            rowValign = vaMiddle;
          }
          CurrentRightToLeft = TagDirection().value_or(tableRightToLeft);
          if (Sym() == symTh) {
            CurrentAlign = rowJustify ? TJustify(rowJustify) : jCentre;
            CurrentStyle |= fsBold;
          } else {
            CurrentAlign = rowJustify ? TJustify(rowJustify) : CurrentRightToLeft ? jRight : jLeft;
            CurrentStyle = TFontStyles(CurrentStyle & ~fsBold);
          }
          CurrentAlign = AlignFromText(Tokens.AttributeText(symAlign)).value_or(CurrentAlign);
          cell = std::make_unique<TCellObj>(Document, Tokens.Attributes,
                                            CellValign(Tokens, rowValign));
          StyleCell(*cell);
          CurrentCell = &cell->Cell;
          Tokens.SkipWhiteSpace();
          NextSymbol();
          Tokens.AfterParagraph = true;  // a P at the start of a cell adds no space
          ParseBody(0, CellStops);
          break;
        }
        case symTdEnd:
        case symThEnd:
          finishCell();
          NextSymbol();
          break;
        case symTr:
          if (InLink) EndLink();
          finishRow();
          row = std::make_unique<TCellList>(Tokens.Attributes);
          rowJustify = AlignFromText(Tokens.AttributeText(symAlign)).value_or(TJustify(0));
          rowValign = CellValign(Tokens, vaMiddle);
          NextSymbol();
          break;
        case symTrEnd:
          if (InLink) EndLink();
          finishRow();
          NextSymbol();
          break;
        case symCaption:
          if (InLink) EndLink();
          popFonts();
          CurrentStyle = savedStyle;
          finishCell();
          if (FindAttribute(Tokens.Attributes, symAlign))
            table->CaptionOnTop = LowerAscii(Tokens.AttributeText(symAlign)) != U"bottom";
          CurrentCell = &table->Caption->Cell;
          CurrentAlign = jCentre;
          NextSymbol();
          ParseBody(0, CellStops);
          CloseSection();
          CurrentCell = nullptr;
          if (Sym() == symCaptionEnd) NextSymbol();
          break;
        default: NextSymbol();
      }
    }
  } catch (...) {
    // A parse that fails (an unclosed comment) keeps what was built, and leaves the builder in
    // the enclosing cell, not in one of this table's.
    complete();
    throw;
  }
  if (InLink) EndLink();
  popFonts();
  complete();
  NextSymbol();
}
