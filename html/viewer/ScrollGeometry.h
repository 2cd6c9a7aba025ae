#pragma once
// The viewer's scroll arithmetic, apart from any window: the width the document is laid out
// at, which scroll bars show and where the panel and bars go in the host, the scroll ranges
// and steps, the horizontal scroll position, and where keys, the wheel, auto-scroll and
// "bring into view" move the vertical position.
//
// Units are pixels. The vertical position lives in the document (TSectionList::ScrollTop), so
// operations that move it take the current one as top and answer the new one, already cut to
// 0..MaxVPos(). Panel coordinates have 0, 0 at the panel's top left corner.

#include <optional>

#include "platform/Geometry.h"
#include "platform/Input.h"
#include "platform/ScrollBar.h"

// Which scroll bars the viewer may show.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Where the panel and the bars go in a host, and which bars show (host coordinates).
struct TBarArrangement {
  bool Vertical = false;
  bool Horizontal = false;
  TRect Panel;
  TRect VerticalBar;
  TRect HorizontalBar;
};

class TScrollGeometry {
 public:
  // The arrow steps of the bars, which the arrow keys and the wheel use too.
  static constexpr int VerticalSmallChange = 16;
  static constexpr int HorizontalSmallChange = 15;

  // --- Settings, kept by the viewer.
  TScrollStyle Bars = ssBoth;
  bool Bordered = true;  // a ring of one pixel around the panel and bars
  int MarginWidth = 10;
  int MarginHeight = 5;
  int BarBreadth = 0;  // the vertical bar's width and the horizontal bar's height

  bool VerticalAllowed() const { return Bars == ssVertical || Bars == ssBoth; }

  // --- The document.
  // The width to lay the document out at in a host this wide.
  int LayoutWidth(int hostWidth) const;
  // The document's height, margins included, for the height its sections take.
  int FullHeight(int sectionsHeight) const;
  int DocumentWidth() const { return FDocWidth; }   // the widest line
  int DocumentHeight() const { return FDocHeight; }  // margins included
  void SetDocumentWidth(int width) { FDocWidth = width; }
  void SetDocumentHeight(int height) { FDocHeight = height; }

  // Whether a host of this width needs the document laid out again: the width it was last
  // laid out for on a resize differs.
  bool WidthChanged(int hostWidth) const { return hostWidth != FLaidOutWidth; }
  void SetLaidOutWidth(int hostWidth) { FLaidOutWidth = hostWidth; }

  // --- The arrangement. Arrange decides it for a host of this size and takes on the panel's
  // size, ranges and page steps, cutting the horizontal position to the new range.
  TBarArrangement Arrange(int hostWidth, int hostHeight);
  int PanelWidth() const { return FPanelWidth; }
  int PanelHeight() const { return FPanelHeight; }
  // The bars' ranges run from 0; a page is the panel's breadth + 1, so the last position shows
  // the end of the range at the panel's far edge.
  int HorizontalRange() const { return FHorizontalRange; }
  int VerticalRange() const { return FDocHeight; }
  int HorizontalPage() const { return FPanelWidth + 1; }
  int VerticalPage() const { return FPanelHeight + 1; }
  // The trough steps, never below 1.
  int HorizontalLargeChange() const { return FHorizontalLargeChange; }
  int VerticalLargeChange() const { return FVerticalLargeChange; }

  // --- Positions.
  int MaxVPos() const;
  int MaxHPos() const;
  int ClampVPos(long long y) const;
  int HScrollPos() const { return FHScrollPos; }
  // Cuts x to 0..MaxHPos() and takes it; answers whether the position changed.
  bool SetHScrollPos(int x);
  // A panel point in document coordinates, cut to the int range.
  int DocumentX(int x) const;
  static int DocumentY(int y, int top);

  // --- Where input moves the view.
  // A bar's proposal for the vertical position: to the end for scBottom, where it is for
  // scPosition (letting go of the thumb leaves the view in place), else the proposal.
  int BarTarget(TScrollCode code, int proposal, int top) const;
  // The vertical position a key scrolls to; nothing for keys that do not scroll vertically.
  std::optional<int> VerticalKeyTarget(TKey key, int top) const;
  // The horizontal position the left and right arrow keys ask for (uncut); nothing for others.
  std::optional<int> HorizontalKeyTarget(TKey key) const;
  // delta in 120ths of a notch, positive away from the user (scrolling up).
  int WheelTarget(int delta, int top) const;
  // Whether a panel y lies above the panel's top row or below its bottom.
  bool PastPanelEdge(int y) const { return y <= 0 || y > FPanelHeight; }
  // The step auto-scrolling takes with the pointer at panel y: 0 inside the panel, one small
  // change just outside it, several further away.
  int AutoScrollStep(int pointerY) const;
  // A top that shows document y half-way down the panel, or nothing when y is in view already
  // (with room for a line below it).
  std::optional<int> TopToReveal(int y, int top) const;

 private:
  int FDocWidth = 0;
  int FDocHeight = 0;
  int FLaidOutWidth = 0;
  int FPanelWidth = 0;
  int FPanelHeight = 0;
  int FHorizontalRange = 0;
  int FHorizontalLargeChange = 1;
  int FVerticalLargeChange = 1;
  int FHScrollPos = 0;
};
