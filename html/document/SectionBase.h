#pragma once
// The base of every section kind: the contract between a container (a cell) and the sections
// it stacks vertically. Cursor positions number the characters of all text sections in layout
// order from 0.
//
// Coordinates are device pixels in one frame, the document's: y from the top of the page (the
// frame layout gives Top in), x from the page's left edge as drawn with no horizontal scroll.
// Layout measures x from the left edge of the cell being laid out (LineX, indents); drawing
// is told where that edge lies in document x. Drawing subtracts the document's ScrollTop from
// y itself; the document's Render applies the horizontal scroll through the canvas origin.
// Every point query takes its point, and answers caret points, in document coordinates, so a
// container passes a point on to the sections and cells inside it unchanged.

#include <functional>
#include <optional>
#include <string_view>

#include "html/document/UrlTarget.h"
#include "platform/Geometry.h"

class IndentManager;
class TCanvas;
class TCell;
class TInlineControl;
class TInlineImage;
class TSectionList;

class TSectionBase {
 public:
  TSectionBase() = default;
  virtual ~TSectionBase() = default;
  TSectionBase(const TSectionBase&) = delete;
  TSectionBase& operator=(const TSectionBase&) = delete;

  TSectionList* Document = nullptr;  // set when the section is added to a cell
  int FlowHeight = 0;   // the next section starts this far below
  int PaintHeight = 0;  // height to paint and hit-test, at least FlowHeight (floats hang lower)
  int Top = 0;          // y of the last layout
  int FirstPos = 0;     // cursor position of the first character
  int PosCount = 0;     // cursor positions the section takes

  // The kind's class name ("TSection", "THorzLine", ...), for dumps.
  virtual const char* KindName() const { return "TSectionBase"; }

  // Appends the selected part of the section to the document's clipboard buffer.
  virtual void CopySelection() {}
  // Lays the section out at y; curs is the cursor position of its first character on entry
  // and after its last on return. maxWidth receives the width the section needs. Returns
  // the flow height.
  virtual int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs);
  // Draws the section with its top at y and the cell's left edge at x. Returns the y below the
  // section.
  virtual int Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y);
  // --- Point queries (document coordinates, as last drawn).
  // Whether a link (or a clickable form image) is at (x, y).
  virtual bool LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
                      std::optional<TUrlTarget>& urlTarget);
  virtual bool ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage);
  // The cursor position at (x, y), or -1; caretX and caretY are the caret's point.
  virtual int PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY,
                         int& caretHeight, TCell*& cell, bool& inText);
  // The position of the first match at or after start, or -1.
  virtual int SearchText(int start, std::u32string_view text, bool matchCase);
  // The caret point of a position (the top of its line's text), when this section holds it.
  virtual bool PositionToPoint(TCanvas& canvas, int position, int& x, int& y);
  virtual bool CharAt(int position, char32_t& ch, TSectionBase*& section);
  // Re-applies the document's default face, size, character set and colours.
  virtual void RefreshFonts();
  // Recomputes a height that depends only on the document's default font size.
  virtual void UpdateSpacing() {}
  virtual void MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth);
  // Calls visit with this section and with every section inside it (in a table's cells, at any
  // depth), so that whoever points at sections can let go of all that a freed section takes
  // with it.
  virtual void ForEachSection(const std::function<void(const TSectionBase&)>& visit) const {
    visit(*this);
  }
  // Whether section is this one or lies inside it.
  bool Encloses(const TSectionBase& section) const;
};
