#pragma once
// Windows on Qt.
//
// TQtWindowWidget is the widget behind every window: it hands paint, mouse, key, wheel, focus
// and size events to the window's TWindowEvents. It paints opaquely: each paint event draws
// the event's rectangle off-screen through the sink (PaintOffscreen) and puts the result on
// the widget in one step. Mouse moves are reported with no button held too.
//
// TQtWindow is the TWindow the engine holds. It refers to its widget through a guarded
// pointer, so a widget deleted by Qt (with its parent) leaves the window inert, not dangling.
// Windows made by TQtWindowing::CreateWindow own their widget and delete it with themselves.
//
// TQtViewerHost is the widget a program embeds in its window to hold a viewer: Window() is
// the host TWindow the viewer is given, and the viewer's panel and scroll bars become its
// children. It takes the focus by click and tab; the windows made inside it take it only when
// asked. The windowing must outlive every widget made with it, the host included.

#include "platform/qt/QtWindowing.h"

#include <QPointer>
#include <QWidget>

class TQtWindowWidget : public QWidget {
public:
  TQtWindowWidget(TQtWindowing& windowing, QWidget* parent);

  TQtWindowing& Windowing() const { return FWindowing; }
  TWindowEvents* Events() const { return FEvents; }
  void SetEvents(TWindowEvents* events) { FEvents = events; }
  TCursor Shape() const { return FShape; }
  void SetShape(TCursor shape);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  enum TPress { Down, Double, Up };
  void Mouse(QMouseEvent* event, TPress press);

  TQtWindowing& FWindowing;
  TWindowEvents* FEvents = nullptr;
  TCursor FShape = crArrow;
};

class TQtWindow : public TWindow {
public:
  TQtWindow(TQtWindowWidget* widget, bool ownsWidget);
  ~TQtWindow() override;

  // The widget; null once Qt has deleted it.
  TQtWindowWidget* Widget() const { return FWidget; }

  TRect Bounds() const override;
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetEvents(TWindowEvents* events) override;
  using TWindow::Invalidate;
  void Invalidate(const TRect& area) override;
  void ScrollPixels(int dy) override;
  void SetCursor(TCursor cursor) override;
  TCursor Cursor() const override;
  void SetFocus() override;
  bool HasFocus() const override;
  TPoint PointerPosition() const override;
  void Post(std::function<void()> call) override;

private:
  QPointer<TQtWindowWidget> FWidget;
  bool FOwnsWidget;
};

class TQtViewerHost : public TQtWindowWidget {
public:
  explicit TQtViewerHost(TQtWindowing& windowing, QWidget* parent = nullptr);

  TWindow& Window() { return FWindow; }
  QSize sizeHint() const override { return {150, 150}; }

private:
  TQtWindow FWindow{this, false};
};
