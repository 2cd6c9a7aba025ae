#pragma once
// A cell: a vertical list of sections with its own indent manager. The document root extends
// it, and every table cell holds one.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "html/document/IndentManager.h"
#include "html/document/SectionBase.h"
#include "platform/Color.h"

class EProcessError;
class TSectionList;

class TCell {
 public:
  // document is the page's root; the root passes itself.
  explicit TCell(TSectionList* document) : Document(document) {}
  virtual ~TCell() = default;
  TCell(const TCell&) = delete;
  TCell& operator=(const TCell&) = delete;

  TSectionList* Document;
  int Top = 0;        // y of the last layout
  int FirstPos = 0;   // first cursor position
  int PosCount = 0;   // cursor positions of all the sections
  IndentManager Indents;
  bool HasBackground = false;  // a table cell's BGCOLOR
  TColor BackgroundColor = 0;

  // Appends a section (a null one is ignored), giving an empty preformatted section one
  // space, then tells it its document and lets it compute its spacing.
  void AddSection(std::unique_ptr<TSectionBase> section);
  // Every section, also those no layout has reached yet.
  std::size_t Count() const { return Sections.size(); }
  // The first sections, as many as the last layout has reached: the draw and the queries below
  // see only these. A whole layout reaches them all; the document root, laid out while it is
  // still being built, reaches a few more at each step (TSectionList::ArrangeNext).
  std::size_t ArrangedCount() const { return FArranged; }
  TSectionBase& operator[](std::size_t index) const { return *Sections[index]; }
  auto begin() const { return Sections.begin(); }
  auto end() const { return Sections.end(); }
  // Frees all sections.
  void ClearSections() {
    Sections.clear();
    FArranged = 0;
  }

  // Lays the sections out from y for the width; returns the height (at least down to the
  // floats still registered). A section that fails with EProcessError (a table with too many
  // columns) is dropped (DropSection) and the others are laid out without it.
  // It is BeginArrange, ArrangeSection until none is left, and ArrangedHeight.
  virtual int Arrange(TCanvas& canvas, int y, int width, int& maxWidth, int& curs);
  // The largest minimum and maximum widths of the sections. A section that fails with
  // EProcessError while measured is dropped here too, so that a table nested in a cell goes
  // alone and the table measuring that cell goes on.
  virtual void MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth);
  // Draws the sections from y with the cell's left edge at x; returns the y below the last.
  virtual int Render(TCanvas& canvas, const TRect& clip, int clipWidth, int x, int y);
  // The first section whose bottom, adding up FlowHeight from 0 at the cell's top, lies below
  // y (an offset from the cell's top, as scroll positions are kept), with its offset and
  // index; null when y is below all of them.
  TSectionBase* SectionAtY(int y, int& sectionTop, int& index) const;

  // --- Point queries, in document coordinates (SectionBase.h): each section whose band from
  // its Top down (PaintHeight for links and images, FlowHeight for the caret) holds y is asked
  // with the point unchanged; the first that answers wins.
  virtual bool LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
                      std::optional<TUrlTarget>& urlTarget);
  bool ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage);
  // cell names the innermost cell that holds the position found.
  int PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY, int& caretHeight,
                 TCell*& cell, bool& inText);
  int SearchText(int start, std::u32string_view text, bool matchCase);
  bool PositionToPoint(TCanvas& canvas, int position, int& x, int& y);
  bool CharAt(int position, char32_t& ch, TSectionBase*& section);
  void RefreshFonts();
  // Lets the sections that overlap the document's selection append their part to the
  // document's Clipboard, in order.
  void CopySelection();

 protected:
  // Called by AddSection with the section just appended.
  virtual void SectionAdded() {}

  // --- Layout a section at a time, each laid out as a whole Arrange lays it out.
  // Starts a layout from y for the width with the cursor position curs; no section is laid
  // out yet.
  void BeginArrange(int y, int width, int curs);
  // Lays out the first section not laid out yet, adding its flow height to height and keeping
  // the widest in maxWidth; false when every section is laid out.
  bool ArrangeSection(TCanvas& canvas, int& height, int& maxWidth);
  // The height of the sections laid out, given their flow height: down to the floats still
  // registered when they reach lower.
  int ArrangedHeight(int flowHeight) const;
  // The sections the last layout reached.
  auto Arranged() const {
    return std::span(Sections.data(), std::min(FArranged, Sections.size()));
  }

  std::vector<std::unique_ptr<TSectionBase>> Sections;

 private:
  std::size_t FArranged = 0;
  // The error is caught next to the section that raised it, in the cell that holds it: the
  // message goes to the document's OnProcessError, the section is announced to its
  // OnSectionDropped, then it is removed and freed with everything inside it, its form
  // controls included (HtmlForm.h). It is never measured or laid out again: a table that
  // failed has already changed its grid half-way.
  void DropSection(std::size_t index, const EProcessError& error);
};
