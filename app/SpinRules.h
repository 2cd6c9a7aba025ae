#pragma once
// What the spin edit and its buttons do, without their widgets: reading and clamping the
// value, which typed characters are taken, and the auto-repeat of a held button.

#include <functional>
#include <string>

// The text as an integer; minValue when the text is not one.
int SpinValueOf(const std::string& text, int minValue);
// value kept within minValue .. maxValue; when the two are equal nothing is clamped.
int ClampSpinValue(int value, int minValue, int maxValue);

// Whether a typed character is taken: "+", "-", digits, the decimal separator, and control
// characters other than Enter; with the editor disabled, no printable character nor Backspace.
bool SpinAcceptsChar(char32_t ch, char32_t decimalSeparator, bool editorEnabled);

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
