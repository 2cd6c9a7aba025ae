#pragma once
// The windowing factory: the one object a platform hands the engine for windows and what goes
// with them (child windows, scroll bars, timers, the clipboard, message boxes, the busy cursor,
// the clock and the event loop). Engine code holds a TWindowing& and never names a platform.
//
// Everything runs on the one GUI thread; every handler is called from the event loop.
//
// Ownership: what the Create operations return belongs to the caller. Children must be
// destroyed before the windowing, and should be destroyed before their parent; a platform
// survives the other order, leaving a child whose parent went first inert. The windowing
// refers to its graphics factory, which must outlive it.

#include "platform/Clipboard.h"
#include "platform/Cursor.h"
#include "platform/MessageBox.h"
#include "platform/ScrollBar.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>
#include <string>

class TFormControlFactory;
class TGraphicsFactory;

class TWindowing {
public:
  virtual ~TWindowing() = default;
  TWindowing(const TWindowing&) = delete;
  TWindowing& operator=(const TWindowing&) = delete;

  // The factory that makes the canvases windows are painted with.
  TGraphicsFactory& Graphics() const { return FGraphics; }
  // The off-screen bitmap every window of this windowing paints into (PaintOffscreen). Paints
  // never nest, so one serves them all, and its memory is touched once rather than at every
  // paint.
  TBitmap& PaintBuffer() { return FPaintBuffer; }

  // A painting window inside parent (a window made by this platform), hidden, at {0,0,0,0},
  // with the arrow cursor. It takes the focus only when asked (SetFocus).
  virtual std::unique_ptr<TWindow> CreateWindow(TWindow& parent) = 0;
  // A scroll bar inside parent, hidden, at {0,0,0,0}, all values 0; it never takes the focus.
  virtual std::unique_ptr<TScrollBar> CreateScrollBar(TWindow& parent, TScrollBarKind kind) = 0;
  virtual std::unique_ptr<TTimer> CreateTimer() = 0;
  // The factory of form controls that stand inside parent (see FormControls.h).
  virtual std::unique_ptr<TFormControlFactory> CreateFormControls(TWindow& parent) = 0;

  virtual TClipboard& Clipboard() = 0;

  // Shows a modal box with the text (UTF-8) and waits for the answer.
  virtual TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                    TMessageKind kind, TMessageButtons buttons) = 0;

  // Milliseconds from a fixed moment, steadily increasing: for measuring waits.
  virtual std::int64_t TickCount() const = 0;

  // Lets the event loop handle what is waiting (input, paints, timers, posted calls) and
  // returns: for loops that run inside an event handler.
  virtual void ProcessPendingEvents() = 0;

protected:
  explicit TWindowing(TGraphicsFactory& graphics) : FGraphics(graphics) {}

  // Used through TBusyCursor: the busy shape shows from the first Begin to the matching End.
  friend class TBusyCursor;
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;

private:
  TGraphicsFactory& FGraphics;
  TBitmap FPaintBuffer{0, 0};
};
