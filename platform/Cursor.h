#pragma once
// Pointer shapes, and the busy cursor shown while the program works.

class TWindowing;

// The shapes a window can show. The hand and the I-beam keep their historical numbers 1 and 2.
enum TCursor { crArrow = 0, crHand = 1, crIBeam = 2, crHourGlass = 3 };

// Shows the busy shape over the whole application for as long as it lives, whatever the
// windows' own cursors; guards nest, and the shapes come back when the last one ends (also
// when it ends through an exception).
class TBusyCursor {
public:
  explicit TBusyCursor(TWindowing& windowing);
  ~TBusyCursor();
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
  TWindowing& FWindowing;
};
