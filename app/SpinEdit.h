#pragma once
// TSpinEdit: a numeric edit box with an up/down button pair (TSpinButton) whose buttons repeat
// while held (TTimerSpeedButton). Letters are refused with a beep, the value is clamped to
// MinValue .. MaxValue, Up and Down keys step it. The rules live in SpinRules.h.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/SpinRules.h"

// A button that clicks again while it is held: after 400 ms, then every 100 ms.
class TTimerSpeedButton : public QAbstractButton, private TRepeatTimer {
 public:
  TTimerSpeedButton(bool up, QWidget* parent);

  bool Up() const { return FUp; }
  bool Focused = false;  // the spin button's focused one draws a focus rectangle
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Start(int intervalMs) override;
  void Stop() override;

  bool FUp;
  QTimer FTimer;
  TAutoRepeat FRepeat;
};

// Two timer buttons, up over down; Space clicks the focused one, Up and Down pick and click.
class TSpinButton : public QWidget {
 public:
  explicit TSpinButton(QWidget* parent);

  QWidget* FocusControl = nullptr;
  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;
  TTimerSpeedButton* UpButton() const { return FUp; }
  TTimerSpeedButton* DownButton() const { return FDown; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetFocusedButton(TTimerSpeedButton* button);
  TTimerSpeedButton* FUp;
  TTimerSpeedButton* FDown;
  TTimerSpeedButton* FFocused;
};

class TSpinEdit : public QLineEdit {
 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  int MinValue = 0;
  int MaxValue = 0;
  int Increment = 1;
  bool EditorEnabled = true;
  bool AutoSelect = true;  // entering by keyboard selects the whole text
  // The text as a number within MinValue .. MaxValue; MinValue when it is not a number.
  int Value() const;
  void SetValue(int value);
  void UpClick();
  void DownClick();
  TSpinButton* Button() const { return FButton; }
  // The 3D look (on by default) sinks the edit into the style's frame; without it the edit has
  // a flat black border. The button sits differently in each.
  bool Look3D() const { return FLook3D; }
  void SetLook3D(bool on);

  std::function<void()> OnChange;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int FrameWidth() const;
  int BorderHeight() const;
  void ApplyMinHeight();
  void PlaceButton();
  TSpinButton* FButton;
  bool FLook3D = true;
};
