#include "app/SpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>

#include "platform/qt/QtGeometry.h"
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>

// --- TTimerSpeedButton

TTimerSpeedButton::TTimerSpeedButton(bool up, QWidget* parent)
    : QAbstractButton(parent),
      FUp(up),
      FRepeat(
          *this, [this] { return isDown(); },
          [this] {
            if (OnClick) OnClick();
          }) {
  setFocusPolicy(Qt::NoFocus);
  connect(&FTimer, &QTimer::timeout, this, [this] { FRepeat.Expired(); });
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) OnClick();
  });
}

void TTimerSpeedButton::Start(int intervalMs) { FTimer.start(intervalMs); }
void TTimerSpeedButton::Stop() { FTimer.stop(); }

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
  QAbstractButton::mousePressEvent(event);
  if (isDown()) FRepeat.Press();
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  FRepeat.Release();
  QAbstractButton::mouseReleaseEvent(event);
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
  // A small triangle, pointing up or down.
  const QPointF centre = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF(0, 0));
  const double w = std::max(3.0, std::min(width() * 0.55, height() * 1.2));
  const double h = std::min(w / 2, height() - 4.0);
  QPolygonF arrow = FUp ? QPolygonF({{centre.x() - w / 2, centre.y() + h / 2},
                                     {centre.x() + w / 2, centre.y() + h / 2},
                                     {centre.x(), centre.y() - h / 2}})
                        : QPolygonF({{centre.x() - w / 2, centre.y() - h / 2},
                                     {centre.x() + w / 2, centre.y() - h / 2},
                                     {centre.x(), centre.y() + h / 2}});
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(isEnabled() ? QPalette::ButtonText : QPalette::Mid));
  painter.drawPolygon(arrow);
  if (Focused && parentWidget() && parentWidget()->hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const int shift = isDown() ? 1 : 0;
    painter.drawRect(rect().adjusted(3 + shift, 3 + shift, -4 + shift, -4 + shift));
  }
}

// --- TSpinButton

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
  FUp = new TTimerSpeedButton(true, this);
  FDown = new TTimerSpeedButton(false, this);
  FFocused = FUp;
  FUp->Focused = true;
  FUp->OnClick = [this] {
    if (OnUpClick) OnUpClick();
  };
  FDown->OnClick = [this] {
    if (OnDownClick) OnDownClick();
  };
  for (TTimerSpeedButton* button : {FUp, FDown})
    connect(button, &QAbstractButton::pressed, this, [this, button] {
      SetFocusedButton(button);
      if (FocusControl && FocusControl->focusPolicy() != Qt::NoFocus)
        FocusControl->setFocus(Qt::MouseFocusReason);
      else if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
    });
  resize(20, 25);
}

void TSpinButton::SetFocusedButton(TTimerSpeedButton* button) {
  FFocused->Focused = false;
  FFocused = button;
  FFocused->Focused = true;
  FUp->update();
  FDown->update();
}

void TSpinButton::resizeEvent(QResizeEvent*) {
  const TSpinButtonLayout layout = LayOutSpinButton(width(), height());
  if (layout.Width != width()) {
    resize(layout.Width, height());  // comes back here at the new width
    return;
  }
  FUp->setGeometry(QtRect(layout.Up));
  FDown->setGeometry(QtRect(layout.Down));
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      FFocused->OnClick ? FFocused->OnClick() : void();
      break;
    case Qt::Key_Up:
      SetFocusedButton(FUp);
      FUp->OnClick();
      break;
    case Qt::Key_Down:
      SetFocusedButton(FDown);
      FDown->OnClick();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

// --- TSpinEdit

TSpinEdit::TSpinEdit(QWidget* parent) : QLineEdit(parent) {
  setText(QStringLiteral("0"));
  FButton = new TSpinButton(this);
  FButton->FocusControl = this;
  FButton->OnUpClick = [this] { UpClick(); };
  FButton->OnDownClick = [this] { DownClick(); };
  FButton->setCursor(Qt::ArrowCursor);
  FButton->resize(15, 17);
  ApplyMinHeight();
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange();
  });
}

// Clamped when read: the box may hold 99 or -5 while the user types, but no reader gets it.
int TSpinEdit::Value() const {
  return ClampSpinValue(SpinValueOf(text().toStdString(), MinValue), MinValue, MaxValue);
}

void TSpinEdit::SetValue(int value) {
  setText(QString::number(ClampSpinValue(value, MinValue, MaxValue)));
}

void TSpinEdit::UpClick() {
  if (isReadOnly())
    QApplication::beep();
  else
    SetValue(Value() + Increment);
}

void TSpinEdit::DownClick() {
  if (isReadOnly())
    QApplication::beep();
  else
    SetValue(Value() - Increment);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    UpClick();
    return;
  }
  if (event->key() == Qt::Key_Down) {
    DownClick();
    return;
  }
  // Paste and cut only where the text may be edited.
  if ((event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) &&
      (!EditorEnabled || isReadOnly())) {
    QApplication::beep();
    return;
  }
  // Enter belongs to the dialog (its default button), not to the text.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QString typed = event->text();
  if (!enter && !typed.isEmpty() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const char32_t separator = QLocale().decimalPoint().toUcs4().value(0, U'.');
    for (char32_t ch : typed.toUcs4()) {
      if (!SpinAcceptsChar(ch, separator, EditorEnabled)) {
        QApplication::beep();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A click places the caret where it lands instead.
  if (AutoSelect && event->reason() != Qt::MouseFocusReason) selectAll();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
  // Leaving the box puts a number typed out of range back within it.
  const int typed = SpinValueOf(text().toStdString(), MinValue);
  if (ClampSpinValue(typed, MinValue, MaxValue) != typed) SetValue(typed);
  QLineEdit::focusOutEvent(event);
}

void TSpinEdit::SetLook3D(bool on) {
  if (on == FLook3D) return;
  FLook3D = on;
  // Without the 3D look the edit draws its own one-pixel black border instead of the style's.
  setFrame(on);
  ApplyMinHeight();
  PlaceButton();
  update();
}

int TSpinEdit::FrameWidth() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  return option.lineWidth;  // 0 in the flat look, which has no style frame
}

int TSpinEdit::BorderHeight() const {
  // Linux has no system-wide border metric; the style's thin frame line (the one it gives a
  // line edit) is the closest thing and follows the desktop's style.
  return std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
}

void TSpinEdit::ApplyMinHeight() {
  // setMinimumHeight raises a lower edit at once and keeps later resizes from going below.
  setMinimumHeight(SpinMinHeight(BorderHeight(), fontMetrics().height(),
                                 QFontMetrics(QApplication::font()).height()));
}

void TSpinEdit::PlaceButton() {
  // The placement is worked out for the client area, which starts inside the style's frame.
  // The flat look's black border lies on the client area's edge, and the button, flush right,
  // stands in for that border's right-hand line.
  const int frame = FrameWidth();
  const TRect button = SpinButtonBounds(width(), height(), FButton->width(), FLook3D);
  FButton->setGeometry(QtRect(button.Offset(frame, frame)));
  const int textRight = frame + SpinTextRight(button);
  const int border = FLook3D ? 0 : 1;
  setTextMargins(border, border, std::max(0, width() - frame - textRight), border);
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceButton();
}

void TSpinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    ApplyMinHeight();
    PlaceButton();
  }
}

void TSpinEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (FLook3D) return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
