#pragma once
// What the viewer's mouse handlers keep between events: whether the left button went down on
// the panel, the caret and the anchor of a drag selection, whether a drag is auto-scrolling,
// the link under the pointer, and whether the last click followed a link.
//
// Positions are caret positions in the document (TSectionList::PositionAt); -1 stands for a
// point off the text.

#include <optional>
#include <string>

// Caret positions Start..End, Start <= End; the characters from Start up to End are selected.
struct TTextRange {
  int Start = 0;
  int End = 0;
  friend bool operator==(const TTextRange&, const TTextRange&) = default;
};

class TMouseState {
 public:
  // --- The caret and drag selection.
  int CaretPos() const { return FCaretPos; }
  void SetCaretPos(int position) { FCaretPos = position; }
  // A new or empty document: the caret at its start and no drag anchored in it.
  void Reset();

  // A button went down: a double click after it is no longer the second half of a link click.
  void ButtonPressed() { FLinkClicked = false; }
  // The left button went down at position; a drag anchors there when it is on text, and the
  // caret moves there.
  void LeftPressed(int position);
  bool LeftDown() const { return FLeftDown; }
  // Whether the pointer's moves select: the left button is down and the drag is anchored.
  bool Dragging() const { return FLeftDown && FAnchor >= 0; }
  // The drag reached position. Answers the selection from the anchor to there when the caret
  // moved and selecting is allowed; the caret follows the pointer whenever it is over text.
  std::optional<TTextRange> DragTo(int position, bool selectable);
  // The left button went up: the drag ends. Answers whether the button had gone down on the
  // panel, making the release a click.
  bool LeftReleased();

  // --- Auto-scrolling while a drag is outside the panel.
  bool AutoScrolling() const { return FAutoScrolling; }
  // Starts it when the left button is down and it is not running yet; answers whether it did.
  bool StartAutoScroll();
  void StopAutoScroll() { FAutoScrolling = false; }

  // --- The link under the pointer (empty: none) and link clicks.
  const std::u32string& HotSpotUrl() const { return FHotSpotUrl; }
  const std::u32string& HotSpotTarget() const { return FHotSpotTarget; }
  // The pointer moved over url; answers whether that is another link than before.
  bool Cover(const std::u32string& url, const std::u32string& target);
  // A click followed a link: it becomes the hot spot, and a double click that ends the click
  // selects nothing.
  void FollowLink(const std::u32string& url, const std::u32string& target);
  bool LinkClicked() const { return FLinkClicked; }

 private:
  int FCaretPos = 0;
  int FAnchor = -1;
  bool FLeftDown = false;
  bool FAutoScrolling = false;
  bool FLinkClicked = false;
  std::u32string FHotSpotUrl;
  std::u32string FHotSpotTarget;
};
