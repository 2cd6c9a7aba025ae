#pragma once
// Where a laid-out document may be cut into pages. A cut must not cross a line of text, nor
// a picture standing in one or floating beside it, nor a rule: each of these is a band of
// document y that a page keeps whole. Table cells are looked into, so a long table breaks
// between the lines of its cells.

#include <vector>

class TCell;

// The rows Top .. Bottom - 1 of the document.
struct TPageBand {
  int Top = 0;
  int Bottom = 0;
};

// The bands of every section of the cell, as its last layout placed them: for a text section
// each line with what hangs from it (its paint height), for a table the bands of its caption
// and cells, for any other section the section as a whole.
std::vector<TPageBand> UncuttableBands(const TCell& cell);

// The tops of the pages of a document height pixels high cut into pages of at most
// pageHeight: each page ends at the lowest y within its height that no band crosses, or at
// its full height when a band taller than a page leaves no such y. The first page starts at
// 0; there is always one page.
std::vector<int> PageTops(std::vector<TPageBand> bands, int height, int pageHeight);
