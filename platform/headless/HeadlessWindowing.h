#pragma once
// The headless windowing platform: windows, bars, timers, posted calls, clipboard and message
// boxes in memory, with a clock that moves only when the test moves it.
//
// - Time. TickCount() starts at 0. AdvanceTime moves the clock and fires the timers that fall
//   due on the way, in the order they fall due, with the clock standing at each one's time.
// - Posted calls wait in one queue, in posting order, until RunPosted (or
//   ProcessPendingEvents) runs them.
// - Focus. At most one window has the focus; the test presses keys on it through PressKey.
// - Message boxes are recorded; each answers with its first button (OK or Yes).
// - ProcessPendingEvents stands for a short wait in the event loop: it moves the clock by
//   PassDuration (10 ms), calls the test's OnPass hook (which plays the input that
//   arrives meanwhile), runs the posted calls and paints every window that is invalid.

#include "platform/Windowing.h"
#include "platform/headless/HeadlessControls.h"
#include "platform/headless/HeadlessWindow.h"

#include <deque>
#include <vector>

class THeadlessClipboard : public TClipboard {
public:
  void SetText(std::u32string_view text) override;
  std::optional<std::u32string> Text() const override { return FText; }
  void SetImage(const TBitmap& image) override;
  std::optional<TBitmap> Image() const override { return FImage; }

private:
  std::optional<std::u32string> FText;
  std::optional<TBitmap> FImage;
};

class THeadlessWindowing : public TWindowing {
public:
  // Everything made by this windowing must be destroyed before it.
  explicit THeadlessWindowing(TGraphicsFactory& graphics) : TWindowing(graphics) {}

  // A top-level window standing for the host control a program embeds: visible, at
  // {0, 0, width, height}.
  std::unique_ptr<THeadlessWindow> CreateHost(int width, int height);

  std::unique_ptr<TWindow> CreateWindow(TWindow& parent) override;
  std::unique_ptr<TScrollBar> CreateScrollBar(TWindow& parent, TScrollBarKind kind) override;
  std::unique_ptr<TTimer> CreateTimer() override;
  // Headless form controls (HeadlessFormControls.h); the parent plays no part.
  std::unique_ptr<TFormControlFactory> CreateFormControls(TWindow& parent) override;
  TClipboard& Clipboard() override { return FClipboard; }
  TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                            TMessageKind kind, TMessageButtons buttons) override;
  std::int64_t TickCount() const override { return FNow; }
  void ProcessPendingEvents() override;

  // --- For tests.
  // Moves the clock on (negative amounts count as 0), firing timers on the way.
  void AdvanceTime(std::int64_t milliseconds);
  // Runs the calls posted before this call began, in order; calls they post wait for the
  // next run. Answers how many ran.
  int RunPosted();

  THeadlessWindow* Focused() const { return FFocused; }
  // A key press on the focused window; answers whether it was handled (false without focus).
  bool PressKey(TKey key, TShiftState shift = 0);

  // The pointer, in screen coordinates, and the mouse buttons held (as shift bits).
  TPoint Pointer() const { return FPointer; }
  TShiftState HeldButtons() const { return FHeld; }

  int BusyDepth() const { return FBusyDepth; }

  struct TShownMessage {
    std::string Text;
    std::string Caption;
    TMessageKind Kind;
    TMessageButtons Buttons;
  };
  const std::vector<TShownMessage>& Messages() const { return FMessages; }

  // How far ProcessPendingEvents moves the clock.
  static constexpr std::int64_t PassDuration = 10;
  // Called once by every ProcessPendingEvents.
  std::function<void()> OnPass;

protected:
  void BeginBusy() override { ++FBusyDepth; }
  void EndBusy() override { --FBusyDepth; }

private:
  friend class THeadlessWindow;
  friend class THeadlessTimer;

  struct TPostedCall {
    std::uint64_t Number;
    THeadlessWindow* Target;
    std::function<void()> Call;
  };

  THeadlessWindow& Own(TWindow& parent);
  void Register(THeadlessWindow* window) { FAllWindows.push_back(window); }
  void Forget(THeadlessWindow* window);
  void Forget(THeadlessTimer* timer);
  void Schedule(THeadlessTimer* timer);
  void Enqueue(THeadlessWindow* target, std::function<void()> call);
  void MoveFocus(THeadlessWindow* window);
  THeadlessTimer* NextDue(std::int64_t limit) const;

  THeadlessClipboard FClipboard;
  std::int64_t FNow = 0;
  std::vector<THeadlessTimer*> FTimers;
  std::uint64_t FTimerOrder = 0;
  std::deque<TPostedCall> FPosted;
  std::uint64_t FPostNumber = 0;
  std::vector<THeadlessWindow*> FAllWindows;  // in the order made
  THeadlessWindow* FFocused = nullptr;
  TPoint FPointer;
  TShiftState FHeld = 0;
  int FBusyDepth = 0;
  std::vector<TShownMessage> FMessages;
};
