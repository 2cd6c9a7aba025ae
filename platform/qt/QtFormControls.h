#pragma once
// Form controls on Qt: QLineEdit, QPushButton, QCheckBox, QRadioButton (in a QWidget painted in
// the panel colour), QListWidget, QComboBox (not editable) and QPlainTextEdit, children of the
// parent window's widget.
//
// Each control refers to its outer widget through a guarded pointer and deletes it with
// itself; a widget Qt deleted with its parent leaves the control inert. Focus changes and
// typed characters are caught by an event filter on the widget that takes the focus and
// reported before the widget handles the key; clicks come from the buttons' clicked signal.
// Handlers run guarded (TQtWindowing::Guarded).

#include "platform/FormControls.h"
#include "platform/qt/QtWindowing.h"

#include <QObject>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

#include <map>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Reports the focus and key events of one widget to a TFormControl's handlers.
class TQtControlEvents : public QObject {
public:
  TQtControlEvents(TQtWindowing& windowing, TFormControl& control, QWidget* focusWidget);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TQtWindowing& FWindowing;
  TFormControl& FControl;
};

// What every Qt control shares. Outer is the widget that is placed; the focus goes to
// FocusWidget() (the same widget except for radio buttons).
template <class TBase>
class TQtFormControl : public TBase {
public:
  // focusWidget null: the outer widget takes the focus.
  TQtFormControl(TQtWindowing& windowing, QWidget* outer, QWidget* focusWidget = nullptr);
  ~TQtFormControl() override;

  TRect Bounds() const override;
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetFocus() override;
  bool HasFocus() const override;
  void SetClientSize(int width, int height) override;

  QWidget* Outer() const { return FOuter; }

protected:
  TQtWindowing& FWindowing;
  QPointer<QWidget> FOuter;
  QPointer<QWidget> FFocusWidget;
  QPointer<TQtControlEvents> FEvents;
};

class TQtEdit : public TQtFormControl<TEditControl> {
public:
  TQtEdit(TQtWindowing& windowing, QWidget* parent, bool password);
  std::u32string Text() const override;
  void SetText(const std::u32string& text) override;
  void SetMaxLength(int length) override;
  QLineEdit* Edit() const;
};

class TQtButton : public TQtFormControl<TButtonControl> {
public:
  TQtButton(TQtWindowing& windowing, QWidget* parent);
  std::u32string Caption() const override;
  void SetCaption(const std::u32string& caption) override;
  QPushButton* Button() const;
};

class TQtCheckBox : public TQtFormControl<TCheckControl> {
public:
  TQtCheckBox(TQtWindowing& windowing, QWidget* parent);
  bool Checked() const override;
  void SetChecked(bool checked) override;
  void SetPanelColor(TColor) override {}
  QCheckBox* Box() const;
};

class TQtRadioButton : public TQtFormControl<TCheckControl> {
public:
  TQtRadioButton(TQtWindowing& windowing, QWidget* parent);
  bool Checked() const override;
  void SetChecked(bool checked) override;
  void SetPanelColor(TColor color) override;
  void SetBounds(const TRect& bounds) override;
  QRadioButton* Button() const;

private:
  TQtRadioButton(TQtWindowing& windowing, QWidget* panel, int);
  TColor FPanelColor = 0xFFFFFFFF;
};

class TQtListBox : public TQtFormControl<TListControl> {
public:
  TQtListBox(TQtWindowing& windowing, QWidget* parent, bool multiSelect);
  void SetItems(const std::vector<std::u32string>& items) override;
  int Count() const override;
  std::u32string Item(int index) const override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  void ScrollToTop() override;
  QListWidget* List() const;
};

class TQtComboBox : public TQtFormControl<TListControl> {
public:
  TQtComboBox(TQtWindowing& windowing, QWidget* parent);
  void SetItems(const std::vector<std::u32string>& items) override;
  int Count() const override;
  std::u32string Item(int index) const override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  void ScrollToTop() override {}
  QComboBox* Combo() const;
};

class TQtMemo : public TQtFormControl<TMemoControl> {
public:
  TQtMemo(TQtWindowing& windowing, QWidget* parent, bool wordWrap);
  std::vector<std::u32string> Lines() const override;
  void SetLines(const std::vector<std::u32string>& lines) override;
  QPlainTextEdit* Memo() const;
};

// The look every control shares: password characters show as "*", and check boxes and radio
// buttons draw their indicator within the 13 pixels their windows have. One style serves
// all the controls of a factory, so no control parses a style sheet of its own.
class TQtFormStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

class TQtFormControls : public TFormControlFactory {
public:
  TQtFormControls(TQtWindowing& windowing, QWidget* parent);
  ~TQtFormControls() override;

  std::unique_ptr<TEditControl> CreateEdit(bool password) override;
  std::unique_ptr<TButtonControl> CreateButton() override;
  std::unique_ptr<TCheckControl> CreateCheckBox() override;
  std::unique_ptr<TCheckControl> CreateRadioButton() override;
  std::unique_ptr<TListControl> CreateListBox(bool multiSelect) override;
  std::unique_ptr<TListControl> CreateComboBox() override;
  std::unique_ptr<TMemoControl> CreateMemo(bool wordWrap) override;
  int ComboHeight() const override;
  TFontDesc ScreenFont() const override;

private:
  // Gives a new control the factory's font and hides it at {0, 0, 0, 0}.
  template <class TControlKind>
  std::unique_ptr<TControlKind> Prepared(std::unique_ptr<TControlKind> control) const;

  TQtWindowing& FWindowing;
  QPointer<QWidget> FParent;
  std::unique_ptr<TQtFormStyle> FStyle;
  mutable std::map<std::pair<std::string, int>, int> FComboHeights;  // by face and size
};
