#pragma once
// Windows: rectangles of the screen the engine paints and takes input through. The viewer's
// host control is one (made by the platform), and the drawing panel inside it another (made
// by TWindowing::CreateWindow).
//
// Coordinates are client pixels: (0, 0) is the window's top-left corner. Mouse events keep
// coming to the window that saw a button go down until it comes up, with coordinates that may
// lie outside the window (negative, or beyond its size).
//
// Ownership: a window refers to its TWindowEvents and does not own them; the sink must stay
// alive while it is set, so whoever goes first sets it to nullptr.

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/Cursor.h"
#include "platform/Input.h"

#include <functional>

class TGraphicsFactory;

// What a window reports. Every handler does nothing (and handles nothing) unless overridden.
class TWindowEvents {
public:
  virtual ~TWindowEvents() = default;

  // Draw area (client coordinates, never empty) on canvas. The canvas draws on an off-screen
  // bitmap that stands for just that area: its origin is set so that client coordinates draw
  // in place and its clip is the area. Its pixels are undefined, so the whole area must be
  // painted; when this returns the bitmap goes to the screen in one copy, so nothing flickers.
  virtual void Paint(TCanvas& canvas, const TRect& area);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The second press of a double click arrives here instead of in MouseDown; the release
  // that follows it is an ordinary MouseUp.
  virtual void DoubleClick(TMouseButton button, TShiftState shift, int x, int y);

  // A key went down (or repeats) while the window has the focus. Answer true when handled;
  // an unhandled key goes on to the window's parent.
  virtual bool KeyDown(TKey key, TShiftState shift);
  // The wheel turned over the window: delta is in 120ths of a notch, positive away from the
  // user (towards the top of the document). Answer true when handled.
  virtual bool Wheel(int delta, TShiftState shift, int x, int y);

  virtual void FocusIn();
  virtual void FocusOut();
  // The window's size changed. For a hidden window this may come only when it is shown.
  virtual void Resized();
};

class TWindow : public TControl {
public:
  // The sink for this window's events (not owned); nullptr for none.
  virtual void SetEvents(TWindowEvents* events) = 0;

  // Marks the part of the window that must be painted again; the paint follows from the event
  // loop (TWindowing::ProcessPendingEvents). Areas marked before the paint are painted
  // together, as the rectangle around them.
  virtual void Invalidate(const TRect& area) = 0;
  void Invalidate() { Invalidate({0, 0, Width(), Height()}); }

  // Moves the window's pixels, and its child windows, dy pixels down (up when negative) and
  // paints the strip that this uncovers at once, so a short scroll redraws only that strip.
  // Areas still waiting to be painted move along.
  virtual void ScrollPixels(int dy) = 0;

  // The pointer shape over this window (the busy cursor overrides it while it is shown).
  virtual void SetCursor(TCursor cursor) = 0;
  virtual TCursor Cursor() const = 0;

  // Takes the keyboard focus; the window that loses it gets FocusOut, this one FocusIn.
  virtual void SetFocus() = 0;
  virtual bool HasFocus() const = 0;

  // Where the pointer is now, in client coordinates (may lie outside the window).
  virtual TPoint PointerPosition() const = 0;

  // Runs call later from the event loop, after the input handling under way has finished;
  // posted calls run in the order they were posted. Calls still waiting when the window is
  // destroyed are dropped, so post to a window that does not outlive what the call uses.
  virtual void Post(std::function<void()> call) = 0;
};

// For implementations: paints area of a window through events onto the off-screen bitmap
// buffer, made the size of area and black first, as TWindowEvents::Paint describes. Keep the
// buffer from one paint to the next: memory the system hands out afresh costs a fault per
// page, which on a whole window is more than the painting.
void PaintOffscreen(TGraphicsFactory& graphics, TWindowEvents& events, const TRect& area,
                    TBitmap& buffer);
