#pragma once
// Scroll bars and timers on Qt.
//
// A TQtScrollBar shows its 32-bit values on a QScrollBar (whose range is Min..LastPosition()
// and whose page step is PageSize, so the thumb has the right length) and turns the bar's
// actions into OnScroll: arrows, trough clicks, dragging and the wheel, and letting the thumb
// go. Steps follow SmallChange and LargeChange, not Qt's own steps. Like windows, the bar
// refers to its QScrollBar through a guarded pointer and deletes it with itself.

#include "platform/qt/QtWindowing.h"

#include <QPointer>
#include <QScrollBar>
#include <QTimer>

class TQtScrollBar : public TScrollBar {
public:
  TQtScrollBar(TQtWindowing& windowing, QWidget* parent, TScrollBarKind kind);
  ~TQtScrollBar() override;

  // The bar; null once Qt has deleted it.
  QScrollBar* Bar() const { return FBar; }

  TRect Bounds() const override;
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  int Thickness() const override;

protected:
  void ValuesChanged() override;

private:
  void Act(TScrollCode code);

  TQtWindowing& FWindowing;
  QPointer<QScrollBar> FBar;
};

class TQtTimer : public TTimer {
public:
  explicit TQtTimer(TQtWindowing& windowing);

protected:
  void Restart() override;

private:
  QTimer FTimer;
};
