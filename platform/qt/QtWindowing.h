#pragma once
// The windowing platform on Qt 6 (Qt Widgets).
//
// Windows are QWidgets (QtWindow.h), scroll bars QScrollBars, timers QTimers, posted calls
// queued calls on the target window's widget, the clipboard QClipboard, message boxes
// QMessageBox, and the busy cursor Qt's application override cursor. The clock is a steady
// clock started with the windowing.
//
// Qt cannot carry an exception through its event loop, so every engine handler the loop calls
// (paint, input, scroll, timer, posted call) runs guarded: an exception that escapes it goes to
// OnException.
//
// A QApplication must exist while the windowing and what it made are used.

#include "platform/Windowing.h"

#include <QElapsedTimer>

#include <exception>
#include <functional>

class TQtClipboard : public TClipboard {
public:
  void SetText(std::u32string_view text) override;
  std::optional<std::u32string> Text() const override;
  void SetImage(const TBitmap& image) override;
  std::optional<TBitmap> Image() const override;
};

class TQtWindowing : public TWindowing {
public:
  explicit TQtWindowing(TGraphicsFactory& graphics);

  std::unique_ptr<TWindow> CreateWindow(TWindow& parent) override;
  std::unique_ptr<TScrollBar> CreateScrollBar(TWindow& parent, TScrollBarKind kind) override;
  std::unique_ptr<TTimer> CreateTimer() override;
  // Widgets of QtFormControls.h inside parent's widget.
  std::unique_ptr<TFormControlFactory> CreateFormControls(TWindow& parent) override;
  TClipboard& Clipboard() override { return FClipboard; }
  TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                            TMessageKind kind, TMessageButtons buttons) override;
  std::int64_t TickCount() const override { return FClock.elapsed(); }
  void ProcessPendingEvents() override;

  // Answers message boxes in their place when set: a program with nobody at the screen
  // (tamblin-render) reports the text instead of waiting for a click that never comes.
  std::function<TMessageAnswer(const std::string& text, const std::string& caption,
                               TMessageKind kind, TMessageButtons buttons)>
      OnMessageBox;

  // Receives exceptions that escape handlers run from the event loop. Unset, the message of
  // each is shown in an error box once the loop is free.
  std::function<void(std::exception_ptr)> OnException;

  // Runs call, handing an exception that escapes it to OnException.
  template <class TCall>
  void Guarded(TCall&& call) noexcept {
    try {
      call();
    } catch (...) {
      Report(std::current_exception());
    }
  }

protected:
  void BeginBusy() override;
  void EndBusy() override;

private:
  void Report(std::exception_ptr error) noexcept;

  TQtClipboard FClipboard;
  QElapsedTimer FClock;
};
