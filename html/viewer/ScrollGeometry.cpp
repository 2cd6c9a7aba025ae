#include "html/viewer/ScrollGeometry.h"

#include <algorithm>
#include <climits>

namespace {

// Wheel notches are reported in 120ths; each notch scrolls this many small changes.
constexpr int WheelDelta = 120;
constexpr int LinesPerNotch = 3;
// Auto-scroll: a pointer further than this outside the panel scrolls eight times as fast.
constexpr int FastScrollDistance = 15;
constexpr int FastScrollFactor = 8;
// The horizontal trough step stops this short of the view's width, so a page keeps some of
// what was in view.
constexpr int HorizontalPageOverlap = 20;
// A point this close to the panel's bottom counts as out of view: the line below it would be.
constexpr int RevealBottomRoom = 20;

int ClampToInt(long long value) { return int(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

int TScrollGeometry::LayoutWidth(int hostWidth) const {
  // Room for the border ring and one pixel more; with vertical bars allowed, room for the bar
  // is kept whether it ends up shown or not, so showing it never needs a second pass.
  const int border = Bordered ? 3 : 1;
  return std::max(
      0, hostWidth - border - 2 * MarginWidth - (VerticalAllowed() ? BarBreadth : 0));
}

int TScrollGeometry::FullHeight(int sectionsHeight) const {
  return sectionsHeight + (VerticalAllowed() ? 2 : 1) * MarginHeight;
}

TBarArrangement TScrollGeometry::Arrange(int hostWidth, int hostHeight) {
  // The whole document width counts, however wide: a capped width would leave the right part
  // of a wide page out of the horizontal bar's reach.
  const int need = 2 * MarginWidth + FDocWidth;
  const int bw = Bordered ? 1 : 0;
  const int sbw = BarBreadth;
  const int w = hostWidth;
  const int h = hostHeight;

  TBarArrangement result;
  // Each bar takes room from the other's direction, so one may be needed only because the
  // other shows.
  if (VerticalAllowed()) {
    result.Vertical =
        FDocHeight >= h - 2 || (Bars == ssBoth && FDocHeight >= h - sbw - 2 && need > w - sbw);
    result.Horizontal = Bars == ssBoth && (need > w || (result.Vertical && need > w - sbw));
  } else {
    result.Horizontal = Bars == ssHorizontal && need > w;
  }

  const int viewWidth = result.Vertical ? w - sbw : w;
  FPanelWidth = std::max(0, viewWidth - 2 * bw);
  FPanelHeight = std::max(0, h - 2 * bw - (result.Horizontal ? sbw : 0));
  result.Panel = {bw, bw, bw + FPanelWidth, bw + FPanelHeight};
  result.HorizontalBar = {bw, h - sbw - bw, viewWidth, h - bw};
  result.VerticalBar = {w - sbw - bw, bw, w - bw, bw + FPanelHeight};

  // A page of the panel's width + 1 ends the bar's travel where the content's right edge
  // meets the panel's, the bound the keys keep to as well.
  FHorizontalRange = std::max({0, need, FPanelWidth});
  FHorizontalLargeChange = std::max(1, viewWidth - HorizontalPageOverlap);
  FVerticalLargeChange = std::max(1, FPanelHeight - VerticalSmallChange);
  FHScrollPos = std::min(FHScrollPos, MaxHPos());
  return result;
}

int TScrollGeometry::MaxVPos() const { return std::max(0, FDocHeight - FPanelHeight); }

int TScrollGeometry::MaxHPos() const { return std::max(0, FHorizontalRange - FPanelWidth); }

int TScrollGeometry::ClampVPos(long long y) const {
  return int(std::clamp<long long>(y, 0, MaxVPos()));
}

bool TScrollGeometry::SetHScrollPos(int x) {
  x = std::clamp(x, 0, MaxHPos());
  if (x == FHScrollPos) return false;
  FHScrollPos = x;
  return true;
}

int TScrollGeometry::DocumentX(int x) const { return ClampToInt((long long)x + FHScrollPos); }

int TScrollGeometry::DocumentY(int y, int top) { return ClampToInt((long long)y + top); }

int TScrollGeometry::BarTarget(TScrollCode code, int proposal, int top) const {
  switch (code) {
    case scBottom: return MaxVPos();
    case scPosition: return ClampVPos(top);
    default: return ClampVPos(proposal);
  }
}

std::optional<int> TScrollGeometry::VerticalKeyTarget(TKey key, int top) const {
  int position = top;
  switch (key) {
    case vkPrior: position = top - FVerticalLargeChange; break;
    case vkNext: position = top + FVerticalLargeChange; break;
    case vkEnd: position = FDocHeight; break;
    case vkHome: position = 0; break;
    case vkUp: position = top - VerticalSmallChange; break;
    case vkDown: position = top + VerticalSmallChange; break;
    default: return std::nullopt;
  }
  return ClampVPos(position);
}

std::optional<int> TScrollGeometry::HorizontalKeyTarget(TKey key) const {
  switch (key) {
    case vkLeft: return FHScrollPos - HorizontalSmallChange;
    case vkRight: return FHScrollPos + HorizontalSmallChange;
    default: return std::nullopt;
  }
}

int TScrollGeometry::WheelTarget(int delta, int top) const {
  const long long pixels = (long long)delta * LinesPerNotch * VerticalSmallChange / WheelDelta;
  return ClampVPos(top - pixels);
}

int TScrollGeometry::AutoScrollStep(int pointerY) const {
  if (!PastPanelEdge(pointerY)) return 0;
  if (pointerY < -FastScrollDistance) return -FastScrollFactor * VerticalSmallChange;
  if (pointerY <= 0) return -VerticalSmallChange;
  if (pointerY > FPanelHeight + FastScrollDistance) return FastScrollFactor * VerticalSmallChange;
  return VerticalSmallChange;
}

std::optional<int> TScrollGeometry::TopToReveal(int y, int top) const {
  if (y >= top && y <= top + FPanelHeight - RevealBottomRoom) return std::nullopt;
  return ClampVPos(y - FPanelHeight / 2);
}
