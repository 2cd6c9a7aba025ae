// Layout for the panel's width, the panel and scroll-bar arrangement, the scroll positions,
// and painting: the panel's background (colour or tiled picture), the document, and the
// border ring on the host.
#include <algorithm>

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
  FScroll.SetDocumentWidth(0);
  FFormatting = true;
  try {
    int maxWidth = 0;
    int curs = 0;
    const int height = FSections->Arrange(*FMeasureCanvas, FScroll.MarginHeight,
                                          FScroll.LayoutWidth(FHost.Width()), maxWidth, curs);
    FScroll.SetDocumentWidth(maxWidth);
    FScroll.SetDocumentHeight(FScroll.FullHeight(height));
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
  FSections->PlaceControls(FScroll.MarginWidth - FScroll.HScrollPos(), FScroll.PanelHeight());
}

void TriruRedu::ArrangeScrollBars() {
  const TBarArrangement arrangement = FScroll.Arrange(FHost.Width(), FHost.Height());
  FPanel->SetBounds(arrangement.Panel);

  FHScrollBar->SetVisible(arrangement.Horizontal);
  FHScrollBar->SetLargeChange(FScroll.HorizontalLargeChange());
  FHScrollBar->SetBounds(arrangement.HorizontalBar);
  FHScrollBar->SetParams(FScroll.HScrollPos(), FScroll.HorizontalPage(), 0,
                         FScroll.HorizontalRange());

  FVScrollBar->SetBounds(arrangement.VerticalBar);
  FVScrollBar->SetLargeChange(FScroll.VerticalLargeChange());
  FVScrollBar->SetVisible(arrangement.Vertical);
  FVScrollBar->SetParams(VScrollPos(), FScroll.VerticalPage(), 0, FScroll.VerticalRange());
}

int TriruRedu::VScrollPos() const { return FSections->ScrollTop; }

void TriruRedu::ScrollTo(int y) {
  y = FScroll.ClampVPos(y);
  if (y != VScrollPos()) ApplyVPos(y);
}

void TriruRedu::ApplyVPos(int y) {
  y = FScroll.ClampVPos(y);
  FVScrollBar->SetPosition(y);
  FSections->SetScrollTop(y);
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::SetHScrollPos(int x) {
  if (!FScroll.SetHScrollPos(x)) return;
  FHScrollBar->SetPosition(FScroll.HScrollPos());
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::Resized() {
  const int width = FHost.Width();
  if (FLoad && MayInterrupt() && FScroll.WidthChanged(width)) {
    RelayoutLoad(width);
    ArrangeScrollBars();
  } else if (!FScroll.WidthChanged(width) || FProcessing) {
    ArrangeScrollBars();
  } else {
    RelayoutKeepPosition();
    FScroll.SetLaidOutWidth(width);
  }
  // The arrangement has cut the horizontal position to the new range; the vertical one is
  // cut here, which takes a document that now fits back to the top.
  ApplyVPos(VScrollPos());
  DrawBorder();
}

void TriruRedu::VScroll(TScrollCode code, int& position) {
  FPanel->SetFocus();
  const int old = VScrollPos();
  position = FScroll.BarTarget(code, position, old);
  FSections->SetScrollTop(position);
  FPanel->ScrollPixels(old - position);
  PlaceControls();
}

void TriruRedu::HScroll(TScrollCode, int& position) {
  FPanel->SetFocus();
  FScroll.SetHScrollPos(position);
  position = FScroll.HScrollPos();
  PlaceControls();
  InvalidatePanel();
}

void TriruRedu::PanelPaint(TCanvas& canvas, const TRect& area) {
  if (FFormatting || !FPageShown) return;
  // Preformatted lines are clipped to the document's real width, so the part of a long line
  // that is scrolled into view is drawn.
  const int clipWidth = std::max(FScroll.DocumentWidth(), FScroll.PanelWidth());
  FSections->ScrollLeft = FScroll.HScrollPos();
  FSections->Render(canvas, area, clipWidth, FScroll.MarginWidth, FScroll.MarginHeight);
  FollowAnimationTimer();
}

void TriruRedu::FollowAnimationTimer() {
  FAnimationTimer->SetEnabled(FSections->AnimationTimerEnabled);
}

void TriruRedu::StepAnimations() {
  const std::int64_t now = FWindowing.TickCount();
  const int scrollLeft = FScroll.HScrollPos();
  const int scrollTop = VScrollPos();
  const TRect view{0, 0, FScroll.PanelWidth(), FScroll.PanelHeight()};
  for (TGIFImage* image : FSections->AnimatedImages)
    if (image->ShownInPaint &&
        !image->DrawnRect(scrollLeft, scrollTop).Intersect(view).IsEmpty())
      image->Step(*FPanel, now, scrollLeft, scrollTop);
}

void TriruRedu::PaintBackground(TCanvas& canvas, const TRect& area) {
  PaintBackground(canvas, area, VScrollPos(), FScroll.HScrollPos());
}

void TriruRedu::PaintBackground(TCanvas& canvas, const TRect& area, int vScroll, int hScroll) {
  const TBitmap* picture = FSections->ImagesEnabled ? FSections->BackgroundImage : nullptr;
  if (picture && !picture->IsEmpty()) {
    try {
      if (picture->HasAlpha()) {  // the page colour shows through
        canvas.SetBrush(FPanelColor);
        canvas.FillRect(area);
      }
      TileBackground(canvas, area, *picture, vScroll, hScroll);
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
