#include "platform/Timer.h"

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == FInterval) return;
  FInterval = milliseconds;
  Restart();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Restart();
}
