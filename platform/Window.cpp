#include "platform/Window.h"

#include "platform/Graphics.h"

void TWindowEvents::Paint(TCanvas&, const TRect&) {}
void TWindowEvents::MouseDown(TMouseButton, TShiftState, int, int) {}
void TWindowEvents::MouseMove(TShiftState, int, int) {}
void TWindowEvents::MouseUp(TMouseButton, TShiftState, int, int) {}
void TWindowEvents::DoubleClick(TMouseButton, TShiftState, int, int) {}
bool TWindowEvents::KeyDown(TKey, TShiftState) { return false; }
bool TWindowEvents::Wheel(int, TShiftState, int, int) { return false; }
void TWindowEvents::FocusIn() {}
void TWindowEvents::FocusOut() {}
void TWindowEvents::Resized() {}

void PaintOffscreen(TGraphicsFactory& graphics, TWindowEvents& events, const TRect& area,
                    TBitmap& buffer) {
  buffer.Reset(area.Width(), area.Height());
  if (buffer.IsEmpty()) return;
  // The canvas must be gone before the pixels are used: a platform may hold them until then.
  auto canvas = graphics.CanvasFor(buffer);
  canvas->SetOrigin({area.Left, area.Top});
  canvas->SetClipRect(area);
  events.Paint(*canvas, area);
}
