#include "platform/headless/HeadlessWindow.h"

#include "platform/headless/HeadlessControls.h"
#include "platform/headless/HeadlessWindowing.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr TShiftState ModifierKeys = ssShift | ssAlt | ssCtrl;

// The rectangle around both (an empty one adds nothing).
TRect Around(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

TRect Normalised(const TRect& r) {
  return {r.Left, r.Top, std::max(r.Right, r.Left), std::max(r.Bottom, r.Top)};
}

// The rectangle moved dy down, its edges kept within int.
TRect MovedDown(const TRect& r, int dy) {
  const auto edge = [dy](int y) {
    return int(std::clamp<long long>((long long)y + dy, INT_MIN, INT_MAX));
  };
  return {r.Left, edge(r.Top), r.Right, edge(r.Bottom)};
}

void CopyRow(const TBitmap& from, int fromY, TBitmap& to, int toY, int left, int width) {
  std::memcpy(to.ScanLine(toY) + left, from.ScanLine(fromY) + left,
              std::size_t(width) * sizeof(std::uint32_t));
}

}  // namespace

THeadlessWindow::THeadlessWindow(THeadlessWindowing& windowing, THeadlessWindow* parent)
    : FWindowing(windowing), FParent(parent) {
  FWindowing.Register(this);
  if (FParent) FParent->FWindows.push_back(this);
}

THeadlessWindow::~THeadlessWindow() {
  if (FParent) std::erase(FParent->FWindows, this);
  for (THeadlessWindow* child : FWindows) child->FParent = nullptr;
  for (THeadlessScrollBar* bar : FScrollBars) bar->FParent = nullptr;
  FWindowing.Forget(this);
}

void THeadlessWindow::Detach(THeadlessScrollBar* bar) { std::erase(FScrollBars, bar); }

void THeadlessWindow::SetBounds(const TRect& bounds) {
  const TRect normal = Normalised(bounds);
  const bool resized = normal.Width() != FBounds.Width() || normal.Height() != FBounds.Height();
  FBounds = normal;
  if (!resized) return;
  TBitmap surface(normal.Width(), normal.Height());
  const int width = std::min(surface.Width(), FSurface.Width());
  for (int y = 0; y < std::min(surface.Height(), FSurface.Height()); ++y)
    CopyRow(FSurface, y, surface, y, 0, width);
  FSurface = std::move(surface);
  FInvalid = {};
  Invalidate();
  if (FEvents) FEvents->Resized();
}

void THeadlessWindow::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  if (visible) Invalidate();
}

bool THeadlessWindow::Showing() const { return FVisible && (!FParent || FParent->Showing()); }

void THeadlessWindow::Invalidate(const TRect& area) {
  const TRect cut = area.Intersect({0, 0, Width(), Height()});
  if (!cut.IsEmpty()) FInvalid = Around(FInvalid, cut);
}

void THeadlessWindow::PaintInvalid() {
  const TRect area = FInvalid.Intersect({0, 0, Width(), Height()});
  if (!Showing() || area.IsEmpty()) return;
  FInvalid = {};  // marks made while painting wait for the next paint
  if (!FEvents) return;
  TBitmap& buffer = FWindowing.PaintBuffer();
  PaintOffscreen(FWindowing.Graphics(), *FEvents, area, buffer);
  // The handler may have resized the window, which marked all of it for the next paint.
  if (FSurface.Width() < area.Right || FSurface.Height() < area.Bottom) return;
  for (int y = 0; y < area.Height(); ++y)
    std::memcpy(FSurface.ScanLine(area.Top + y) + area.Left, buffer.ScanLine(y),
                std::size_t(area.Width()) * sizeof(std::uint32_t));
}

void THeadlessWindow::ScrollPixels(int dy) {
  if (dy == 0) return;
  const int width = FSurface.Width();
  const int height = FSurface.Height();
  const int shift = std::clamp(dy, -height, height);
  if (shift > 0) {
    for (int y = height - 1; y >= shift; --y) CopyRow(FSurface, y - shift, FSurface, y, 0, width);
  } else {
    for (int y = 0; y < height + shift; ++y) CopyRow(FSurface, y - shift, FSurface, y, 0, width);
  }
  const TRect client{0, 0, width, height};
  const TRect strip = shift > 0 ? TRect{0, 0, width, shift} : TRect{0, height + shift, width, height};
  const TRect moved = FInvalid.IsEmpty() ? TRect{} : FInvalid.Offset(0, shift).Intersect(client);
  FInvalid = Around(moved.IsEmpty() ? TRect{} : moved, strip);
  for (THeadlessWindow* child : FWindows) child->SetBounds(MovedDown(child->Bounds(), dy));
  for (THeadlessScrollBar* bar : FScrollBars) bar->SetBounds(MovedDown(bar->Bounds(), dy));
  PaintInvalid();
}

void THeadlessWindow::SetFocus() { FWindowing.MoveFocus(this); }

bool THeadlessWindow::HasFocus() const { return FWindowing.Focused() == this; }

void THeadlessWindow::SendFocus(bool in) {
  if (!FEvents) return;
  if (in)
    FEvents->FocusIn();
  else
    FEvents->FocusOut();
}

TPoint THeadlessWindow::ScreenOrigin() const {
  TPoint origin{FBounds.Left, FBounds.Top};
  for (const THeadlessWindow* w = FParent; w; w = w->FParent) {
    origin.X += w->FBounds.Left;
    origin.Y += w->FBounds.Top;
  }
  return origin;
}

TPoint THeadlessWindow::PointerPosition() const {
  const TPoint origin = ScreenOrigin();
  return {FWindowing.Pointer().X - origin.X, FWindowing.Pointer().Y - origin.Y};
}

void THeadlessWindow::Post(std::function<void()> call) { FWindowing.Enqueue(this, std::move(call)); }

TCursor THeadlessWindow::ShownCursor() const {
  return FWindowing.BusyDepth() > 0 ? crHourGlass : FCursor;
}

TShiftState THeadlessWindow::MouseShift(TShiftState keys) const {
  return TShiftState((keys & ModifierKeys) | FWindowing.FHeld);
}

void THeadlessWindow::PlacePointer(int x, int y) {
  const TPoint origin = ScreenOrigin();
  FWindowing.FPointer = {origin.X + x, origin.Y + y};
}

void THeadlessWindow::PressMouse(TMouseButton button, int x, int y, TShiftState keys) {
  PlacePointer(x, y);
  FWindowing.FHeld |= ShiftOf(button);
  if (FEvents) FEvents->MouseDown(button, MouseShift(keys), x, y);
}

void THeadlessWindow::MoveMouse(int x, int y, TShiftState keys) {
  PlacePointer(x, y);
  if (FEvents) FEvents->MouseMove(MouseShift(keys), x, y);
}

void THeadlessWindow::ReleaseMouse(TMouseButton button, int x, int y, TShiftState keys) {
  PlacePointer(x, y);
  FWindowing.FHeld &= TShiftState(~ShiftOf(button));
  if (FEvents) FEvents->MouseUp(button, MouseShift(keys), x, y);
}

void THeadlessWindow::Click(TMouseButton button, int x, int y, TShiftState keys) {
  PressMouse(button, x, y, keys);
  ReleaseMouse(button, x, y, keys);
}

void THeadlessWindow::DoubleClickAt(TMouseButton button, int x, int y, TShiftState keys) {
  Click(button, x, y, keys);
  PlacePointer(x, y);
  FWindowing.FHeld |= ShiftOf(button);
  if (FEvents) FEvents->DoubleClick(button, MouseShift(keys), x, y);
  ReleaseMouse(button, x, y, keys);
}

void THeadlessWindow::Drag(TPoint from, TPoint to, int steps, TShiftState keys) {
  steps = std::max(steps, 1);
  PressMouse(mbLeft, from.X, from.Y, keys);
  for (int i = 1; i <= steps; ++i)
    MoveMouse(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps, keys);
  ReleaseMouse(mbLeft, to.X, to.Y, keys);
}

bool THeadlessWindow::TurnWheel(int delta, int x, int y, TShiftState keys) {
  PlacePointer(x, y);
  return FEvents && FEvents->Wheel(delta, MouseShift(keys), x, y);
}
