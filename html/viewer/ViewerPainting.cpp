// Layout for the panel's width, the panel and scroll-bar arrangement, the scroll positions,
// and painting: the panel's background (colour or tiled picture), the document, and the
// border ring on the host.
#include <algorithm>
#include <climits>

#include "html/document/SectionList.h"
#include "html/images/GIFImage.h"
#include "html/viewer/BackgroundTiles.h"
#include "html/viewer/Viewer.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/ScrollBar.h"
#include "platform/Timer.h"
#include "platform/Windowing.h"

void TriruRedu::LayoutDocument() {
  FDocWidth = 0;
  FFormatting = true;
  try {
    // Room for the border ring and one pixel more; with vertical bars allowed, room for the
    // bar is kept whether it ends up shown or not, so showing it never needs a second pass.
    const int border = FBorderStyle == htNone ? 1 : 3;
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const int width = std::max(
        0, FHost.Width() - border - 2 * FMarginWidth - (vertical ? FScrollBarWidth : 0));
    int maxWidth = 0;
    int curs = 0;
    const int height = FSections->Arrange(*FMeasureCanvas, FMarginHeight, width, maxWidth, curs);
    FDocWidth = maxWidth;
    FDocHeight = height + (vertical ? 2 : 1) * FMarginHeight;
  } catch (...) {
    FFormatting = false;
    throw;
  }
  FFormatting = false;
  FollowAnimationTimer();
  ArrangeScrollBars();
  PlaceControls();
}

void TriruRedu::PlaceControls() {
  FSections->PlaceControls(FMarginWidth - FHScrollPos, FPanel->Height());
}

void TriruRedu::ArrangeScrollBars() {
  // The whole document width counts, however wide: a capped width would leave the right
  // part of a wide page out of the horizontal bar's reach.
  const int need = 2 * FMarginWidth + FDocWidth;
  const int bw = FBorderStyle == htNone ? 0 : 1;
  const int sbw = FScrollBarWidth;
  const int w = FHost.Width();
  const int h = FHost.Height();

  bool vertical = false;
  bool horizontal = false;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) {
    vertical = FDocHeight >= h - 2 ||
               (FScrollBars == ssBoth && FDocHeight >= h - sbw - 2 && need > w - sbw);
    horizontal = FScrollBars == ssBoth && (need > w || (vertical && need > w - sbw));
  } else {
    horizontal = FScrollBars == ssHorizontal && need > w;
  }

  const int viewWidth = vertical ? w - sbw : w;
  const int panelWidth = std::max(0, viewWidth - 2 * bw);
  const int panelHeight = std::max(0, h - 2 * bw - (horizontal ? sbw : 0));
  FPanel->SetBounds({bw, bw, bw + panelWidth, bw + panelHeight});

  FHScrollBar->SetVisible(horizontal);
  FHScrollBar->SetLargeChange(std::max(1, viewWidth - 20));
  FHScrollBar->SetBounds({bw, h - sbw - bw, viewWidth, h - bw});
  // A page of the panel's width + 1 ends the bar's travel where the content's right edge
  // meets the panel's, the bound the keys keep to as well.
  const int horizontalMax = std::max({0, need, panelWidth});
  FHScrollBar->SetParams(FHScrollPos, panelWidth + 1, 0, horizontalMax);
  FHScrollPos = std::min(FHScrollPos, MaxHPos());

  FVScrollBar->SetBounds({w - sbw - bw, bw, w - bw, bw + panelHeight});
  FVScrollBar->SetLargeChange(panelHeight - FVScrollBar->SmallChange());
  FVScrollBar->SetVisible(vertical);
  FVScrollBar->SetParams(VScrollPos(), panelHeight + 1, 0, FDocHeight);
}

int TriruRedu::VScrollPos() const { return FSections->ScrollTop; }

int TriruRedu::MaxVPos() const { return std::max(0, FDocHeight - FPanel->Height()); }

int TriruRedu::MaxHPos() const {
  return std::max(0, FHScrollBar->Max() - FPanel->Width());
}

void TriruRedu::ScrollTo(int y) {
  y = std::clamp(y, 0, MaxVPos());
  if (y != VScrollPos()) ApplyVPos(y);
}

void TriruRedu::ApplyVPos(int y) {
  y = std::clamp(y, 0, MaxVPos());
  FVScrollBar->SetPosition(y);
  FSections->SetScrollTop(y);
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::SetHScrollPos(int x) {
  x = std::clamp(x, 0, MaxHPos());
  if (x == FHScrollPos) return;
  FHScrollPos = x;
  FHScrollBar->SetPosition(x);
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::Resized() {
  const int width = FHost.Width();
  if (width == FLastWidth || FProcessing) {
    ArrangeScrollBars();
  } else {
    RelayoutKeepPosition();
    FLastWidth = width;
  }
  if (FDocHeight < FPanel->Height())
    ApplyVPos(0);
  else
    ApplyVPos(VScrollPos());
  SetHScrollPos(FHScrollPos);
  DrawBorder();
}

void TriruRedu::VScroll(TScrollCode code, int& position) {
  FPanel->SetFocus();
  const int old = VScrollPos();
  int next = position;
  switch (code) {
    case scBottom: next = MaxVPos(); break;
    case scPosition: next = old; break;  // letting go of the thumb leaves the view where it is
    default: break;
  }
  next = std::clamp(next, 0, MaxVPos());
  position = next;
  FSections->SetScrollTop(next);
  FPanel->ScrollPixels(old - next);
  PlaceControls();
}

void TriruRedu::HScroll(TScrollCode, int& position) {
  FPanel->SetFocus();
  position = std::clamp(position, 0, MaxHPos());
  FHScrollPos = position;
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::PanelPaint(TCanvas& canvas, const TRect& area) {
  if (FFormatting) return;
  // Preformatted lines are clipped to the document's real width, so the part of a long line
  // that is scrolled into view is drawn.
  const int clipWidth = std::max(FDocWidth, FPanel->Width());
  FSections->ScrollLeft = FHScrollPos;
  FSections->Render(canvas, area, clipWidth, FMarginWidth, FMarginHeight);
  FollowAnimationTimer();
}

void TriruRedu::FollowAnimationTimer() {
  FAnimationTimer->SetEnabled(FSections->AnimationTimerEnabled);
}

void TriruRedu::StepAnimations() {
  const std::int64_t now = FWindowing.TickCount();
  const int scrollTop = VScrollPos();
  const TRect view{0, 0, FPanel->Width(), FPanel->Height()};
  for (TGIFImage* image : FSections->AnimatedImages)
    if (image->ShownInPaint &&
        !image->DrawnRect(FHScrollPos, scrollTop).Intersect(view).IsEmpty())
      image->Step(*FPanel, now, FHScrollPos, scrollTop);
}

void TriruRedu::PaintBackground(TCanvas& canvas, const TRect& area) {
  const TBitmap* picture = FSections->ImagesEnabled ? FSections->BackgroundImage : nullptr;
  if (picture && !picture->IsEmpty()) {
    try {
      TileBackground(canvas, area, *picture, VScrollPos(), FHScrollPos);
      return;
    } catch (...) {
      // A picture that cannot be drawn leaves the plain colour.
    }
  }
  canvas.SetBrush(FPanelColor);
  canvas.FillRect(area);
}

void TriruRedu::PaintHost(TCanvas& canvas, const TRect& area) {
  // What the panel and bars leave of the host: the corner between the bars and the ring.
  canvas.SetBrush(clBtnFace);
  canvas.FillRect(area);
  if (FBorderStyle == htNone) return;
  const bool marked = (FBorderStyle == htFocused && FPanel->HasFocus()) || FBorderStyle == htSingle;
  canvas.SetPen(marked ? clBtnText : FPanelColor);
  canvas.SetClearBrush();
  canvas.Rectangle({0, 0, FHost.Width(), FHost.Height()});
}

void TriruRedu::DrawBorder() {
  const int w = FHost.Width();
  const int h = FHost.Height();
  FHost.Invalidate({0, 0, w, 1});
  FHost.Invalidate({0, h - 1, w, h});
  FHost.Invalidate({0, 0, 1, h});
  FHost.Invalidate({w - 1, 0, w, h});
}

void TriruRedu::BackgroundChanged() {
  FPanelColor = FSections->Background | PaletteRelative;
  InvalidatePanel();
}
