// Mouse, wheel and key input on the panel: cursor shapes, link and image events, selection by
// drag and by double click, auto-scrolling while a drag leaves the panel, and scrolling keys.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/viewer/Viewer.h"
#include "platform/ScrollBar.h"
#include "platform/Timer.h"
#include "platform/Windowing.h"

namespace {

// Characters that make up a word for double-click selection: digits and letters, those of
// other scripts included; spaces, punctuation and symbols end a word.
bool IsWordChar(char32_t ch) {
  if (ch < 0x100)
    return (ch >= U'0' && ch <= U'9') || (ch >= U'A' && ch <= U'Z') ||
           (ch >= U'a' && ch <= U'z') || (ch >= 192 && ch != 215 && ch != 247);
  const bool punctuation = (ch >= 0x2000 && ch <= 0x2BFF) || (ch >= 0x3000 && ch <= 0x303F) ||
                           (ch >= 0xFE30 && ch <= 0xFE4F) || (ch >= 0xFF00 && ch <= 0xFF0F);
  return !punctuation;
}

}  // namespace

int TriruRedu::PositionAtPanel(int x, int y, int& lineY, bool& inText) {
  int caretX = 0, caretHeight = 0;
  TCell* cell = nullptr;
  lineY = 0;
  inText = false;
  return FSections->PositionAt(*FMeasureCanvas, PanelToDocumentX(x), PanelToDocumentY(y),
                               caretX, lineY, caretHeight, cell, inText);
}

void TriruRedu::PanelMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const std::uint64_t document = CurrentDocument();
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  FPanel->SetFocus();
  FMouse.ButtonPressed();
  // A press whose handler opened another page starts nothing there: its release is no click.
  // Nor does one on a page that shows nothing yet.
  if (button != mbLeft || !StillShows(document) || !FPageShown) return;
  int lineY = 0;
  bool inText = false;
  const int position = PositionAtPanel(x, y, lineY, inText);
  FMouse.LeftPressed(position);
  if (position < 0) return;
  if (FSections->SelectionStart != FSections->SelectionEnd) InvalidatePanel();
  FSections->SelectionStart = FSections->SelectionEnd = position;
}

void TriruRedu::PanelMouseMove(TShiftState shift, int x, int y) {
  const std::uint64_t document = CurrentDocument();
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  if (!StillShows(document) || !FPageShown) return;
  std::u32string url, target;
  const int documentX = PanelToDocumentX(x);
  const int documentY = PanelToDocumentY(y);
  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  TInlineImage* image = nullptr;
  int imageX = 0, imageY = 0;
  if (FSections->LinkAt(*FMeasureCanvas, documentX, documentY, control, link)) {
    FPanel->SetCursor(crHand);
    if (link) {
      url = link->Url;
      target = link->Target;
    }
  } else if ((OnImageClick || OnImageOver) &&
             FSections->ImageAt(documentX, documentY, image, imageX, imageY)) {
    FPanel->SetCursor(crArrow);
    if (OnImageOver) OnImageOver(this, image, shift, imageX, imageY);
    if (!StillShows(document)) return;
  } else {
    int lineY = 0;
    bool inText = false;
    const int position = PositionAtPanel(x, y, lineY, inText);
    FPanel->SetCursor(position >= 0 && inText ? crIBeam : crArrow);
  }
  if (FMouse.Cover(url, target) && OnHotSpotCovered) {
    OnHotSpotCovered(this, url);
    if (!StillShows(document)) return;
  }
  const bool leftHeld = (shift & ssLeft) != 0;
  if (leftHeld && FScroll.PastPanelEdge(y) && FMouse.StartAutoScroll())
    FPanel->Post([this] { AutoScroll(); });
  if (leftHeld && !FNoSelect) ExtendSelection(x, y);
}

void TriruRedu::ExtendSelection(int x, int y) {
  if (!FMouse.Dragging()) return;
  y = std::clamp(y, 0, FScroll.PanelHeight());
  int lineY = 0;
  bool inText = false;
  const int position = PositionAtPanel(x, y, lineY, inText);
  if (const std::optional<TTextRange> selection = FMouse.DragTo(position, !FNoSelect)) {
    FSections->SelectionStart = selection->Start;
    FSections->SelectionEnd = selection->End;
    InvalidatePanel();
  }
}

void TriruRedu::AutoScroll() {
  if (!FMouse.AutoScrolling()) return;
  AutoScrollStep();
  if (FMouse.AutoScrolling()) FAutoScrollTimer->SetEnabled(true);
}

void TriruRedu::AutoScrollStep() {
  if (!FMouse.AutoScrolling()) {
    StopAutoScroll();
    return;
  }
  const TPoint pointer = FPanel->PointerPosition();
  const int step = FScroll.AutoScrollStep(pointer.Y);
  if (step == 0) {
    StopAutoScroll();
    return;
  }
  const int old = VScrollPos();
  const int position = FScroll.ClampVPos((long long)old + step);
  FSections->SetScrollTop(position);
  FVScrollBar->SetPosition(position);
  // Moving the pixels paints the uncovered lines at once, so the hit test below finds them
  // where they are now drawn.
  FPanel->ScrollPixels(old - position);
  PlaceControls();
  ExtendSelection(pointer.X, pointer.Y);
}

void TriruRedu::StopAutoScroll() {
  FMouse.StopAutoScroll();
  FAutoScrollTimer->SetEnabled(false);
}

void TriruRedu::PanelMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const std::uint64_t document = CurrentDocument();
  // The button is up whatever the handlers do: a press on one page and a release on another
  // make no click.
  const auto release = [&] {
    if (button != mbLeft) return false;
    const bool clicked = FMouse.LeftReleased();
    StopAutoScroll();
    return clicked;
  };
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  if (!StillShows(document) || !FPageShown) {
    release();
    return;
  }
  const int documentX = PanelToDocumentX(x);
  const int documentY = PanelToDocumentY(y);
  if (OnImageClick || OnRightClick) {
    TInlineImage* image = nullptr;
    int imageX = 0, imageY = 0;
    const bool onImage = FSections->ImageAt(documentX, documentY, image, imageX, imageY);
    if (onImage && OnImageClick) {
      OnImageClick(this, image, button, shift, imageX, imageY);
      if (!StillShows(document)) {
        release();
        return;
      }
    }
    if (button == mbRight && OnRightClick) {
      TRightClickParameters parameters;
      if (onImage) {
        parameters.ImageObj = image;
        parameters.ImageX = imageX;
        parameters.ImageY = imageY;
      }
      TInlineControl* control = nullptr;
      std::optional<TUrlTarget> link;
      if (FSections->LinkAt(*FMeasureCanvas, documentX, documentY, control, link) && link) {
        parameters.Url = link->Url;
        parameters.Target = link->Target;
      }
      OnRightClick(this, parameters);
    }
  }
  if (button != mbLeft) return;
  ExtendSelection(x, y);
  const bool clicked = release();
  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  if (clicked && FSections->SelectionStart >= FSections->SelectionEnd &&
      FSections->LinkAt(*FMeasureCanvas, documentX, documentY, control, link)) {
    // A form image input has recorded where it was clicked during the hit test.
    if (auto* image = dynamic_cast<TImageFormControlObj*>(control)) image->ImageClick();
    if (control || !link) return;
    FMouse.FollowLink(link->Url, link->Target);
    FollowHotSpot();
  }
}

void TriruRedu::PanelDoubleClick(TMouseButton button, int x, int y) {
  FPanel->SetFocus();
  if (button == mbLeft) WordSelect(x, y);
}

void TriruRedu::WordSelect(int x, int y) {
  if (FNoSelect || !MayInterrupt() || !FPageShown || FMouse.LinkClicked()) return;
  int lineY = 0;
  bool inText = false;
  const int position = PositionAtPanel(x, y, lineY, inText);
  if (position < 0) return;
  FMouse.SetCaretPos(position);
  // The caret must lie on the line that was hit: a point past a line's end would otherwise
  // select a word on the next line.
  int caretX = 0, caretY = 0;
  if (!FSections->PositionToPoint(*FMeasureCanvas, position, caretX, caretY) ||
      caretY != lineY)
    return;
  char32_t ch = 0;
  TSectionBase* owner = nullptr;
  if (!FSections->CharAt(position, ch, owner) || !IsWordChar(ch)) return;
  // A character of another section counts as a blank: a word never crosses sections.
  const auto wordCharAt = [&](int index) {
    char32_t each = 0;
    TSectionBase* section = nullptr;
    return FSections->CharAt(index, each, section) && section == owner && IsWordChar(each);
  };
  int end = position + 1;
  while (wordCharAt(end)) ++end;
  int start = position - 1;
  while (start >= 0 && wordCharAt(start)) --start;
  FSections->SelectionStart = start + 1;
  FSections->SelectionEnd = end;
  InvalidatePanel();
}

// Shows position after a scroll from old: by moving the pixels when the step is one small
// change (only the uncovered strip is painted), else by painting the whole panel.
void TriruRedu::ScrollBy(int old, int position) {
  FVScrollBar->SetPosition(position);
  FSections->SetScrollTop(position);
  if (std::abs(old - position) == TScrollGeometry::VerticalSmallChange)
    FPanel->ScrollPixels(old - position);
  else if (old != position)
    InvalidatePanel();
  PlaceControls();
}

bool TriruRedu::PanelKeyDown(TKey key, TShiftState shift) {
  if (OnKeyDown) {
    const std::uint64_t document = CurrentDocument();
    OnKeyDown(this, key, shift);
    // A key that opened another page does nothing more to it.
    if (key == 0 || !StillShows(document)) return true;
  }
  // The end is the end of the whole page.
  if (key == vkEnd && !FinishLoadFirst()) return true;
  const int old = VScrollPos();
  if (const std::optional<int> position = FScroll.VerticalKeyTarget(key, old)) {
    ScrollBy(old, *position);
    return true;
  }
  if (const std::optional<int> position = FScroll.HorizontalKeyTarget(key)) {
    SetHScrollPos(*position);
    return true;
  }
  return false;
}

bool TriruRedu::PanelWheel(int delta) {
  const int old = VScrollPos();
  const int position = FScroll.WheelTarget(delta, old);
  if (position == old) return true;
  FVScrollBar->SetPosition(position);
  FSections->SetScrollTop(position);
  if (std::abs(old - position) < FScroll.PanelHeight())
    FPanel->ScrollPixels(old - position);
  else
    InvalidatePanel();
  PlaceControls();
  return true;
}
