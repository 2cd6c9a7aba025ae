#include "platform/headless/HeadlessControls.h"

#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"

#include <algorithm>

THeadlessScrollBar::THeadlessScrollBar(THeadlessWindow& parent, TScrollBarKind kind)
    : TScrollBar(kind), FParent(&parent) {
  parent.FScrollBars.push_back(this);
}

THeadlessScrollBar::~THeadlessScrollBar() {
  if (FParent) FParent->Detach(this);
}

void THeadlessScrollBar::SetBounds(const TRect& bounds) {
  FBounds = {bounds.Left, bounds.Top, std::max(bounds.Right, bounds.Left),
             std::max(bounds.Bottom, bounds.Top)};
}

THeadlessTimer::THeadlessTimer(THeadlessWindowing& windowing) : FWindowing(windowing) {
  FWindowing.FTimers.push_back(this);
}

THeadlessTimer::~THeadlessTimer() { FWindowing.Forget(this); }

void THeadlessTimer::Restart() {
  if (Running()) FWindowing.Schedule(this);
}
