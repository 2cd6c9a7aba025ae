#pragma once
// The indent manager of a cell: for any height y it answers where a line may start and where
// it must end. The cell's edges are narrowed by the list levels that are open (35 pixels each)
// and by floating images and tables registered on either side. Coordinates are document
// pixels; a record covers the band YT <= y < YB.
//
// Layout moves down a cell, so a record whose band ends above the section being laid out can
// no longer narrow anything layout asks about. SetLevel retires such records to a second list
// that only queries above the layout's current height (the draw pass) look at; this keeps
// layout linear on pages with thousands of list levels and floats.

#include <climits>
#include <vector>

class TInlineImage;

// One occupied band.
struct IndentRec {
  int X = 0;   // left records: indent from the left edge; right records: offset (<= 0) from the right edge
  int YT = 0;  // first y of the band
  int YB = 0;  // first y below the band
  int ID = 0;  // the list level the record stands for, 0 for a float
};

// Pixels each list level indents.
inline constexpr int LevelIndent = 35;
// The bottom of a band that no lower level has closed yet.
inline constexpr int OpenBandBottom = 9999999;

class IndentManagerBasic {
 public:
  int Width = 0;      // width available to the cell's content
  int ClipWidth = 0;  // width preformatted text is clipped to when drawn
  std::vector<IndentRec> LeftRecs;   // records that may still narrow lines further down
  std::vector<IndentRec> RightRecs;
  int Level = 0;      // list level currently open, 0 for none
  int LeftEdge = 0;
  int RightEdge = 0;

  void ClearRecs();
  // Sets the cell's edges and closes the level count (Level := 0) without touching records.
  void SetEdges(int left, int right);
  int LeftIndent(int y) const;
  int RightLimit(int y) const;
  // Opens the levels up to level, or closes those above it, at y.
  void SetLevel(int y, int level);
  // Registers a left or right floating image at y and sets its FloatOffset; other
  // alignments are ignored.
  void AddFloatImage(int y, TInlineImage& image);
  // Registers another float (a table): side 1 left, 3 right, anything else nothing.
  void AddFloat(int y, int width, int side, int height);
  // The largest YB among the floats of both sides; 0 without floats.
  int FloatBottom() const;
  // The smallest YB among the floats of either side whose band holds y: where the first of
  // the floats beside y ends; -1 when no float is there.
  int NextFloatBottom(int y) const;
  // For each side, 1 + the largest YB among its floats; 0 for a side without floats.
  void ClearBottoms(int& left, int& right) const;
  // 1 + the largest YB among the left records indented further than the current level's own
  // record; 1 when there is none.
  int LevelFloatBottom() const;

 private:
  // Moves the records that end above y to the retired lists.
  void Retire(int y);

  std::vector<IndentRec> RetiredLeft;
  std::vector<IndentRec> RetiredRight;
  int Frontier = INT_MIN;  // heights below it see no retired record
};

class IndentManager : public IndentManagerBasic {};
