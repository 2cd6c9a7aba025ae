#include "html/viewer/MouseState.h"

#include <algorithm>

void TMouseState::Reset() {
  FCaretPos = 0;
  FAnchor = -1;
}

void TMouseState::LeftPressed(int position) {
  FLeftDown = true;
  FAnchor = position;
  if (position >= 0) FCaretPos = position;
}

std::optional<TTextRange> TMouseState::DragTo(int position, bool selectable) {
  if (position < 0) return std::nullopt;
  std::optional<TTextRange> selection;
  if (position != FCaretPos && selectable)
    selection = TTextRange{std::min(FAnchor, position), std::max(FAnchor, position)};
  FCaretPos = position;
  return selection;
}

bool TMouseState::LeftReleased() {
  const bool wasDown = FLeftDown;
  FLeftDown = false;
  return wasDown;
}

bool TMouseState::StartAutoScroll() {
  if (!FLeftDown || FAutoScrolling) return false;
  FAutoScrolling = true;
  return true;
}

bool TMouseState::Cover(const std::u32string& url, const std::u32string& target) {
  if (url == FHotSpotUrl) return false;
  FHotSpotUrl = url;
  FHotSpotTarget = target;
  return true;
}

void TMouseState::FollowLink(const std::u32string& url, const std::u32string& target) {
  FHotSpotUrl = url;
  FHotSpotTarget = target;
  FLinkClicked = true;
}
