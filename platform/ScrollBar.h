#pragma once
// Scroll bars with 32-bit ranges.
//
// A bar has a range Min..Max, a page size (the part of the range one view shows, which is also
// the length of the thumb) and a position. The position runs from Min to LastPosition(), which
// is Max - PageSize + 1 when there is a page and Max when there is not: with Max = the
// document's height and PageSize = the view's height + 1 the last position shows the document's
// end at the view's bottom. SmallChange is the step of the arrows (and of the arrow keys, for
// whoever handles them), LargeChange the step of a click in the trough.
//
// Setting values never notifies; OnScroll reports only what the user does.

#include "platform/Control.h"

#include <functional>

enum TScrollBarKind { sbHorizontal, sbVertical };

// What the user did. For a horizontal bar "up" is left and "down" is right.
enum TScrollCode {
  scLineUp,    // arrow towards Min
  scLineDown,  // arrow towards Max
  scPageUp,    // trough towards Min
  scPageDown,  // trough towards Max
  scPosition,  // the thumb was let go
  scTrack,     // the thumb is being dragged (or moved by the wheel)
  scTop,       // to Min
  scBottom     // to the last position
};

class TScrollBar : public TControl {
public:
  TScrollBarKind Kind() const { return FKind; }

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int PageSize() const { return FPageSize; }
  int Position() const { return FPosition; }
  int LastPosition() const;

  // Sets all four at once: a Max below min is taken as min, the page is cut to
  // 0..Max - Min + 1 and the position to Min..LastPosition(). Nothing happens when the result
  // equals what the bar has.
  void SetParams(int position, int pageSize, int min, int max);
  void SetPosition(int position) { SetParams(position, FPageSize, FMin, FMax); }
  void SetMax(int max) { SetParams(FPosition, FPageSize, FMin, max); }

  // Both 1 at first; values below 1 count as 1.
  int SmallChange() const { return FSmallChange; }
  int LargeChange() const { return FLargeChange; }
  void SetSmallChange(int change);
  void SetLargeChange(int change);

  // The user moved the bar. position holds the bar's proposal (the position moved by the
  // change the code stands for, the thumb's place for scTrack and scPosition, Min or
  // LastPosition() for scTop and scBottom, cut to the range); the handler may change it, and
  // the bar then takes it (cut to the range again).
  std::function<void(TScrollCode code, int& position)> OnScroll;

  // The breadth the desktop gives scroll bars: the width of a vertical bar, the height of a
  // horizontal one.
  virtual int Thickness() const = 0;

protected:
  explicit TScrollBar(TScrollBarKind kind) : FKind(kind) {}

  // A value changed; the platform shows it.
  virtual void ValuesChanged() = 0;

  // Carries out a user action (thumb is the thumb's place, used by scTrack and scPosition)
  // and answers the position the bar ends at.
  int UserScroll(TScrollCode code, int thumb);

private:
  int Clamped(long long position) const;

  TScrollBarKind FKind;
  int FMin = 0;
  int FMax = 0;
  int FPageSize = 0;
  int FPosition = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
