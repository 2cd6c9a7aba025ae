#include "app/SpinRules.h"

#include <algorithm>
#include <charconv>

int SpinValueOf(const std::string& text, int minValue) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return minValue;
  std::size_t end = text.find_last_not_of(' ') + 1;
  if (text[start] == '+') ++start;
  int value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  auto [at, error] = std::from_chars(first, last, value);
  if (error != std::errc() || at != last || first == last) return minValue;
  return value;
}

int ClampSpinValue(int value, int minValue, int maxValue) {
  if (minValue == maxValue) return value;
  return std::clamp(value, std::min(minValue, maxValue), std::max(minValue, maxValue));
}

bool SpinAcceptsChar(char32_t ch, char32_t decimalSeparator, bool editorEnabled) {
  const bool control = ch < 32 || ch == 127;
  if (!editorEnabled) return control && ch != U'\b' && ch != U'\r';
  if (control) return ch != U'\r' && ch != U'\n';
  return ch == U'+' || ch == U'-' || (ch >= U'0' && ch <= U'9') || ch == decimalSeparator;
}

int SpinMinHeight(int borderHeight, int fontHeight, int systemFontHeight) {
  return 4 * borderHeight + fontHeight + std::min(fontHeight, systemFontHeight) / 4 + 2;
}

TRect SpinButtonBounds(int width, int height, int buttonWidth, bool look3D) {
  const int left = look3D ? width - buttonWidth - 5 : width - buttonWidth;
  const int top = look3D ? 0 : 1;
  const int buttonHeight = look3D ? height - 5 : height - 3;
  return {left, top, left + buttonWidth, top + buttonHeight};
}

TSpinButtonLayout LayOutSpinButton(int width, int height) {
  TSpinButtonLayout layout;
  layout.Width = std::max(width, 15);
  const int half = height / 2;
  layout.Up = {0, 0, layout.Width, half};
  layout.Down = {0, half - 1, layout.Width, height};
  return layout;
}

void TAutoRepeat::Expired() {
  FTimer.Start(RepeatMs);
  if (!FStillDown()) return;
  try {
    FClick();
  } catch (...) {
    FTimer.Stop();
    throw;
  }
}
