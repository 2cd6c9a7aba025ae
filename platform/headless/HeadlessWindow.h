#pragma once
// Headless windows: in-memory windows that a test sizes, paints and sends input to.
//
// A window keeps a bitmap of its client size standing for what the screen shows in it
// (Surface()). Invalidate only collects the area to paint (Invalid(), the rectangle around
// everything marked); the paint happens when the test asks (PaintInvalid, or
// THeadlessWindowing::ProcessPendingEvents), and only while the window and all its parents
// are visible. A size change keeps the surface's top-left pixels, marks the whole window
// invalid and reports Resized at once.
//
// Input is sent by the test through the Press/Move/Release... operations below. They keep the
// state a real desktop keeps: the held buttons go into the shift state (a test passes only
// ssShift, ssAlt and ssCtrl), and the pointer position follows every mouse event.

#include "platform/Window.h"

#include <vector>

class THeadlessWindowing;
class THeadlessScrollBar;

class THeadlessWindow : public TWindow {
public:
  // Made by THeadlessWindowing (CreateHost, CreateWindow).
  THeadlessWindow(THeadlessWindowing& windowing, THeadlessWindow* parent);
  ~THeadlessWindow() override;

  TRect Bounds() const override { return FBounds; }
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override { return FVisible; }
  void SetVisible(bool visible) override;

  void SetEvents(TWindowEvents* events) override { FEvents = events; }
  using TWindow::Invalidate;
  void Invalidate(const TRect& area) override;
  void ScrollPixels(int dy) override;
  void SetCursor(TCursor cursor) override { FCursor = cursor; }
  TCursor Cursor() const override { return FCursor; }
  void SetFocus() override;
  bool HasFocus() const override;
  TPoint PointerPosition() const override;
  void Post(std::function<void()> call) override;

  // --- For tests.
  const TBitmap& Surface() const { return FSurface; }
  TRect Invalid() const { return FInvalid; }
  // Paints the invalid area now when there is one and the window is showing.
  void PaintInvalid();
  // Visible, and so are all its parents.
  bool Showing() const;
  // The shape the pointer shows over this window: the busy shape while a TBusyCursor lives.
  TCursor ShownCursor() const;
  THeadlessWindow* Parent() const { return FParent; }
  // The children made on this window, in the order they were made (not owned).
  const std::vector<THeadlessWindow*>& Windows() const { return FWindows; }
  const std::vector<THeadlessScrollBar*>& ScrollBars() const { return FScrollBars; }
  // The window's top-left corner on the screen (a host's Bounds are its place on the screen).
  TPoint ScreenOrigin() const;

  void PressMouse(TMouseButton button, int x, int y, TShiftState keys = 0);
  void MoveMouse(int x, int y, TShiftState keys = 0);
  void ReleaseMouse(TMouseButton button, int x, int y, TShiftState keys = 0);
  // Press and release at one place.
  void Click(TMouseButton button, int x, int y, TShiftState keys = 0);
  // Press, release, second press (reported as DoubleClick), release.
  void DoubleClickAt(TMouseButton button, int x, int y, TShiftState keys = 0);
  // Press at from, moves in steps of equal length to to, release at to.
  void Drag(TPoint from, TPoint to, int steps, TShiftState keys = 0);
  // Answers whether the window handled the turn.
  bool TurnWheel(int delta, int x, int y, TShiftState keys = 0);

private:
  friend class THeadlessWindowing;
  friend class THeadlessScrollBar;
  void SendFocus(bool in);
  void Detach(THeadlessScrollBar* bar);
  TShiftState MouseShift(TShiftState keys) const;
  void PlacePointer(int x, int y);

  THeadlessWindowing& FWindowing;
  THeadlessWindow* FParent;
  TWindowEvents* FEvents = nullptr;
  TRect FBounds;
  bool FVisible = false;
  TCursor FCursor = crArrow;
  TBitmap FSurface{0, 0};
  TRect FInvalid;
  std::vector<THeadlessWindow*> FWindows;
  std::vector<THeadlessScrollBar*> FScrollBars;
};
