#pragma once
// What the spin edit and its buttons do, without their widgets: reading and clamping the
// value, which typed characters are taken, where the buttons sit, and the auto-repeat of a
// held button.

#include <functional>
#include <string>

#include "platform/Geometry.h"

// The text as an integer; minValue when the text is not one.
int SpinValueOf(const std::string& text, int minValue);
// value kept within minValue .. maxValue; when the two are equal nothing is clamped.
int ClampSpinValue(int value, int minValue, int maxValue);

// Whether a typed character is taken: "+", "-", digits, the decimal separator, and control
// characters other than Enter; with the editor disabled, no printable character nor Backspace.
bool SpinAcceptsChar(char32_t ch, char32_t decimalSeparator, bool editorEnabled);

// The least height of a spin edit, from the thickness of a thin border line and the character
// heights (ascent + descent) of its font and of the system font. A lower edit is raised to it.
int SpinMinHeight(int borderHeight, int fontHeight, int systemFontHeight);

// Where the button pair sits in an edit of the given size, in the edit's client coordinates
// (origin just inside its frame). With the 3D look it keeps clear of the sunken frame.
TRect SpinButtonBounds(int width, int height, int buttonWidth, bool look3D);
// The right edge of the text rectangle: 2 pixels left of the button.
inline int SpinTextRight(const TRect& button) { return button.Left - 2; }

// The two halves of a button pair of the given size; never narrower than 15. The down button
// starts a pixel above the up button's bottom, so the two share a border line.
struct TSpinButtonLayout {
  int Width = 0;
  TRect Up;
  TRect Down;
};
TSpinButtonLayout LayOutSpinButton(int width, int height);

// A timer the repeat runs on; a test drives a fake one.
class TRepeatTimer {
 public:
  virtual ~TRepeatTimer() = default;
  virtual void Start(int intervalMs) = 0;  // restarts with this interval
  virtual void Stop() = 0;
};

// A held button clicks again after 400 ms, then every 100 ms, while it is still down.
class TAutoRepeat {
 public:
  static constexpr int FirstDelayMs = 400;
  static constexpr int RepeatMs = 100;

  // stillDown answers whether the button is still held (and has the mouse).
  TAutoRepeat(TRepeatTimer& timer, std::function<bool()> stillDown, std::function<void()> click)
      : FTimer(timer), FStillDown(std::move(stillDown)), FClick(std::move(click)) {}

  void Press() { FTimer.Start(FirstDelayMs); }
  void Release() { FTimer.Stop(); }
  // The timer's expiry. An exception from the click stops the repeat and passes on.
  void Expired();

 private:
  TRepeatTimer& FTimer;
  std::function<bool()> FStillDown;
  std::function<void()> FClick;
};
