#pragma once
// Headless scroll bars and timers.
//
// A scroll bar is only its values and place; the test plays the user through Scroll. Timers
// run on the windowing's manual clock (THeadlessWindowing::AdvanceTime).

#include "platform/ScrollBar.h"
#include "platform/Timer.h"

#include <cstdint>

class THeadlessWindow;
class THeadlessWindowing;

class THeadlessScrollBar : public TScrollBar {
public:
  // The breadth of every headless bar.
  static constexpr int HeadlessThickness = 16;

  THeadlessScrollBar(THeadlessWindow& parent, TScrollBarKind kind);
  ~THeadlessScrollBar() override;

  TRect Bounds() const override { return FBounds; }
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override { return FVisible; }
  void SetVisible(bool visible) override { FVisible = visible; }
  int Thickness() const override { return HeadlessThickness; }

  // The user's action: thumb is where the thumb was dragged to (scTrack, scPosition).
  // Answers the position the bar ends at.
  int Scroll(TScrollCode code, int thumb = 0) { return UserScroll(code, thumb); }

protected:
  void ValuesChanged() override {}

private:
  friend class THeadlessWindow;
  THeadlessWindow* FParent;
  TRect FBounds;
  bool FVisible = false;
};

class THeadlessTimer : public TTimer {
public:
  explicit THeadlessTimer(THeadlessWindowing& windowing);
  ~THeadlessTimer() override;

protected:
  void Restart() override;

private:
  friend class THeadlessWindowing;
  THeadlessWindowing& FWindowing;
  std::int64_t FDue = 0;  // the clock time of the next tick, while Running()
  std::uint64_t FOrder = 0;  // breaks ties between timers due at the same time
};
