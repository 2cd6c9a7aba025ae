#include "platform/ScrollBar.h"

#include <algorithm>

// Ranges may span the whole of int, so the arithmetic is done in 64 bits and cut back.

int TScrollBar::LastPosition() const {
  const long long last = FPageSize > 0 ? (long long)FMax - FPageSize + 1 : FMax;
  return int(std::max<long long>(last, FMin));
}

int TScrollBar::Clamped(long long position) const {
  return int(std::clamp<long long>(position, FMin, LastPosition()));
}

void TScrollBar::SetParams(int position, int pageSize, int min, int max) {
  max = std::max(max, min);
  const long long span = (long long)max - min + 1;
  pageSize = int(std::clamp<long long>(pageSize, 0, span));
  const long long last = pageSize > 0 ? (long long)max - pageSize + 1 : max;
  position = int(std::clamp<long long>(position, min, std::max<long long>(last, min)));
  if (position == FPosition && pageSize == FPageSize && min == FMin && max == FMax) return;
  FPosition = position;
  FPageSize = pageSize;
  FMin = min;
  FMax = max;
  ValuesChanged();
}

void TScrollBar::SetSmallChange(int change) {
  change = std::max(change, 1);
  if (change == FSmallChange) return;
  FSmallChange = change;
  ValuesChanged();
}

void TScrollBar::SetLargeChange(int change) {
  change = std::max(change, 1);
  if (change == FLargeChange) return;
  FLargeChange = change;
  ValuesChanged();
}

int TScrollBar::UserScroll(TScrollCode code, int thumb) {
  long long proposal = FPosition;
  switch (code) {
    case scLineUp: proposal -= FSmallChange; break;
    case scLineDown: proposal += FSmallChange; break;
    case scPageUp: proposal -= FLargeChange; break;
    case scPageDown: proposal += FLargeChange; break;
    case scPosition:
    case scTrack: proposal = thumb; break;
    case scTop: proposal = FMin; break;
    case scBottom: proposal = LastPosition(); break;
  }
  int position = Clamped(proposal);
  if (OnScroll) OnScroll(code, position);
  SetPosition(position);
  return FPosition;
}
