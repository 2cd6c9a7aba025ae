#include "platform/qt/QtWindow.h"

#include "platform/qt/QtGeometry.h"

#include "platform/qt/QtGraphics.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

// The key code of a Qt key; 0 for keys that have none.
TKey KeyOf(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return key;  // Qt numbers these by their upper-case characters
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vkF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vkReturn;
    case Qt::Key_Escape: return vkEscape;
    case Qt::Key_Space: return vkSpace;
    case Qt::Key_PageUp: return vkPrior;
    case Qt::Key_PageDown: return vkNext;
    case Qt::Key_End: return vkEnd;
    case Qt::Key_Home: return vkHome;
    case Qt::Key_Left: return vkLeft;
    case Qt::Key_Up: return vkUp;
    case Qt::Key_Right: return vkRight;
    case Qt::Key_Down: return vkDown;
    case Qt::Key_Insert: return vkInsert;
    case Qt::Key_Delete: return vkDelete;
    default: return 0;
  }
}

Qt::CursorShape QtShape(TCursor cursor) {
  switch (cursor) {
    case crArrow: return Qt::ArrowCursor;
    case crHand: return Qt::PointingHandCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crHourGlass: return Qt::WaitCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

TQtWindowWidget::TQtWindowWidget(TQtWindowing& windowing, QWidget* parent)
    : QWidget(parent), FWindowing(windowing) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers its whole rectangle
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void TQtWindowWidget::SetShape(TCursor shape) {
  FShape = shape;
  setCursor(QtShape(shape));
}

void TQtWindowWidget::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect().intersected(rect());
  if (area.isEmpty()) return;
  QPainter painter(this);
  bool painted = false;
  if (FEvents) {
    FWindowing.Guarded([&] {
      TBitmap& buffer = FWindowing.PaintBuffer();
      PaintOffscreen(FWindowing.Graphics(), *FEvents, RectOf(area), buffer);
      painter.drawImage(area.topLeft(), QtImageOf(buffer));
      painted = true;
    });
  }
  if (!painted) painter.fillRect(area, palette().window());
}

void TQtWindowWidget::Mouse(QMouseEvent* event, TPress press) {
  TMouseButton button;
  switch (event->button()) {
    case Qt::LeftButton: button = mbLeft; break;
    case Qt::RightButton: button = mbRight; break;
    case Qt::MiddleButton: button = mbMiddle; break;
    default: return;  // buttons the engine has no use for
  }
  if (!FEvents) return;
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  const QPoint at = event->position().toPoint();
  FWindowing.Guarded([&] {
    if (press == Down)
      FEvents->MouseDown(button, shift, at.x(), at.y());
    else if (press == Double)
      FEvents->DoubleClick(button, shift, at.x(), at.y());
    else
      FEvents->MouseUp(button, shift, at.x(), at.y());
  });
}

void TQtWindowWidget::mousePressEvent(QMouseEvent* event) { Mouse(event, Down); }
void TQtWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) { Mouse(event, Double); }
void TQtWindowWidget::mouseReleaseEvent(QMouseEvent* event) { Mouse(event, Up); }

void TQtWindowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!FEvents) return;
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  const QPoint at = event->position().toPoint();
  FWindowing.Guarded([&] { FEvents->MouseMove(shift, at.x(), at.y()); });
}

void TQtWindowWidget::keyPressEvent(QKeyEvent* event) {
  const TKey key = KeyOf(event->key());
  bool handled = false;
  if (key != 0 && FEvents) {
    const TShiftState shift = ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons());
    FWindowing.Guarded([&] { handled = FEvents->KeyDown(key, shift); });
  }
  event->setAccepted(handled);  // an unhandled key goes on to the parent
}

void TQtWindowWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  bool handled = false;
  if (delta != 0 && FEvents) {
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint at = event->position().toPoint();
    FWindowing.Guarded([&] { handled = FEvents->Wheel(delta, shift, at.x(), at.y()); });
  }
  event->setAccepted(handled);
}

void TQtWindowWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (FEvents) FWindowing.Guarded([&] { FEvents->FocusIn(); });
}

void TQtWindowWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (FEvents) FWindowing.Guarded([&] { FEvents->FocusOut(); });
}

void TQtWindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FEvents) FWindowing.Guarded([&] { FEvents->Resized(); });
}

TQtWindow::TQtWindow(TQtWindowWidget* widget, bool ownsWidget)
    : FWidget(widget), FOwnsWidget(ownsWidget) {}

TQtWindow::~TQtWindow() {
  if (FOwnsWidget) delete FWidget.data();
}

TRect TQtWindow::Bounds() const { return FWidget ? RectOf(FWidget->geometry()) : TRect{}; }

void TQtWindow::SetBounds(const TRect& bounds) {
  if (FWidget) FWidget->setGeometry(QtRect(bounds));
}

bool TQtWindow::Visible() const { return FWidget && !FWidget->isHidden(); }

void TQtWindow::SetVisible(bool visible) {
  if (FWidget) FWidget->setVisible(visible);
}

void TQtWindow::SetEvents(TWindowEvents* events) {
  if (FWidget) FWidget->SetEvents(events);
}

void TQtWindow::Invalidate(const TRect& area) {
  if (FWidget) FWidget->update(QtRect(area));
}

void TQtWindow::ScrollPixels(int dy) {
  if (!FWidget || dy == 0) return;
  const int width = FWidget->width();
  const int height = FWidget->height();
  const int shift = std::clamp(dy, -height, height);
  FWidget->scroll(0, dy);
  const QRect strip = shift > 0 ? QRect(0, 0, width, shift) : QRect(0, height + shift, width, -shift);
  if (!strip.isEmpty()) FWidget->repaint(strip);
}

void TQtWindow::SetCursor(TCursor cursor) {
  if (FWidget) FWidget->SetShape(cursor);
}

TCursor TQtWindow::Cursor() const { return FWidget ? FWidget->Shape() : crArrow; }

void TQtWindow::SetFocus() {
  if (FWidget) FWidget->setFocus(Qt::OtherFocusReason);
}

bool TQtWindow::HasFocus() const { return FWidget && FWidget->hasFocus(); }

TPoint TQtWindow::PointerPosition() const {
  if (!FWidget) return {};
  const QPoint at = FWidget->mapFromGlobal(QCursor::pos());
  return {at.x(), at.y()};
}

void TQtWindow::Post(std::function<void()> call) {
  if (!FWidget) return;
  TQtWindowing* windowing = &FWidget->Windowing();
  // Queued on the widget, so the call is dropped if the widget goes first.
  QMetaObject::invokeMethod(
      FWidget.data(), [windowing, call = std::move(call)] { windowing->Guarded(call); },
      Qt::QueuedConnection);
}

TQtViewerHost::TQtViewerHost(TQtWindowing& windowing, QWidget* parent)
    : TQtWindowWidget(windowing, parent) {
  setFocusPolicy(Qt::StrongFocus);
}
