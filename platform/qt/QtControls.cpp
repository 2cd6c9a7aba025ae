#include "platform/qt/QtControls.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

TQtScrollBar::TQtScrollBar(TQtWindowing& windowing, QWidget* parent, TScrollBarKind kind)
    : TScrollBar(kind),
      FWindowing(windowing),
      FBar(new QScrollBar(kind == sbVertical ? Qt::Vertical : Qt::Horizontal, parent)) {
  FBar->hide();
  FBar->setFocusPolicy(Qt::NoFocus);
  FBar->setGeometry(0, 0, 0, 0);
  FBar->setRange(0, 0);
  FBar->setSingleStep(SmallChange());
  FBar->setPageStep(0);
  // Qt moves its slider position before this signal and takes it as the value after it, so
  // the position set here (through ValuesChanged) is the one the bar ends at.
  QObject::connect(FBar, &QAbstractSlider::actionTriggered, FBar, [this](int action) {
    switch (action) {
      case QAbstractSlider::SliderSingleStepSub: Act(scLineUp); break;
      case QAbstractSlider::SliderSingleStepAdd: Act(scLineDown); break;
      case QAbstractSlider::SliderPageStepSub: Act(scPageUp); break;
      case QAbstractSlider::SliderPageStepAdd: Act(scPageDown); break;
      case QAbstractSlider::SliderToMinimum: Act(scTop); break;
      case QAbstractSlider::SliderToMaximum: Act(scBottom); break;
      case QAbstractSlider::SliderMove: Act(scTrack); break;
      default: break;
    }
  });
  QObject::connect(FBar, &QAbstractSlider::sliderReleased, FBar, [this] { Act(scPosition); });
}

TQtScrollBar::~TQtScrollBar() { delete FBar.data(); }

void TQtScrollBar::Act(TScrollCode code) {
  const int thumb = FBar->sliderPosition();
  FWindowing.Guarded([&] { UserScroll(code, thumb); });
  // Also when the position did not change: Qt's slider has moved and must come back.
  FBar->setValue(Position());
}

TRect TQtScrollBar::Bounds() const {
  if (!FBar) return {};
  const QRect r = FBar->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TQtScrollBar::SetBounds(const TRect& bounds) {
  if (FBar)
    FBar->setGeometry(bounds.Left, bounds.Top, std::max(bounds.Width(), 0),
                      std::max(bounds.Height(), 0));
}

bool TQtScrollBar::Visible() const { return FBar && !FBar->isHidden(); }

void TQtScrollBar::SetVisible(bool visible) {
  if (FBar) FBar->setVisible(visible);
}

int TQtScrollBar::Thickness() const {
  const QStyle* style = FBar ? FBar->style() : QApplication::style();
  return style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FBar.data());
}

void TQtScrollBar::ValuesChanged() {
  if (!FBar) return;
  FBar->setRange(Min(), LastPosition());
  FBar->setPageStep(PageSize());
  FBar->setSingleStep(SmallChange());
  FBar->setValue(Position());
}

TQtTimer::TQtTimer(TQtWindowing& windowing) {
  QObject::connect(&FTimer, &QTimer::timeout, &FTimer, [this, windowing = &windowing] {
    // A copy, because the handler may destroy its own timer.
    const std::function<void()> handler = OnTimer;
    if (handler) windowing->Guarded(handler);
  });
}

void TQtTimer::Restart() {
  if (Running())
    FTimer.start(Interval());
  else
    FTimer.stop();
}
