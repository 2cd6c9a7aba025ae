#pragma once
// Form controls: the seven window controls a page's forms are shown with (single-line edit,
// push button, check box, radio button, list box, drop-down list, multi-line edit), made by a
// TFormControlFactory as children of one window (the viewer's drawing panel).
//
// Coordinates are the parent window's client pixels; a new control is hidden at
// {0, 0, 0, 0} until it is placed (SetBounds, SetVisible). Every control draws its text in the
// font its factory was given (the document's fixed-pitch face at 10 points).
//
// Events are plain callbacks, each optional, called on the GUI thread after the control has
// changed (a click on a check box arrives with the box already toggled, a focus-in with the
// focus already there). A handler may destroy nothing it did not make.
//
// Ownership: the caller owns what the factory makes and must destroy it before the factory's
// parent window and the factory itself.

#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/Font.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TFormControl : public TControl {
public:
  // Called when the control takes the keyboard focus, and when it loses it.
  std::function<void()> OnFocusIn;
  std::function<void()> OnFocusOut;
  // A character typed into the control (13 for Enter).
  std::function<void(char32_t key)> OnKeyPress;
  // A push button, check box or radio button was clicked (by mouse or keyboard).
  std::function<void()> OnClick;

  virtual void SetFocus() = 0;
  virtual bool HasFocus() const = 0;
  // The outer size that gives a client area of this size, for controls whose room is given
  // by their content (list boxes, multi-line edits).
  virtual void SetClientSize(int width, int height) = 0;

protected:
  TFormControl() = default;
};

// A single-line edit; in password mode every character shows as "*".
class TEditControl : public TFormControl {
public:
  virtual std::u32string Text() const = 0;
  virtual void SetText(const std::u32string& text) = 0;
  // The most characters the edit holds (0: no limit); longer text, typed or set, is cut.
  virtual void SetMaxLength(int length) = 0;
};

class TButtonControl : public TFormControl {
public:
  virtual std::u32string Caption() const = 0;
  virtual void SetCaption(const std::u32string& caption) = 0;
};

// A check box, or a radio button standing in a borderless backing panel painted in a colour
// of its own. Clicking a radio button only checks it: groups are the form's to keep.
class TCheckControl : public TFormControl {
public:
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  // The backing panel's colour (radio buttons; check boxes ignore it).
  virtual void SetPanelColor(TColor color) = 0;
};

// A list box (single or multiple selection) or a drop-down list that allows no typing. The
// current item is the one with the focus ring in a list, the one shown in a drop-down; -1
// when there is none.
class TListControl : public TFormControl {
public:
  virtual void SetItems(const std::vector<std::u32string>& items) = 0;
  virtual int Count() const = 0;
  virtual std::u32string Item(int index) const = 0;
  virtual int ItemIndex() const = 0;
  // Makes index (-1 for none) the current item; in a single-selection list it is also the
  // selected one.
  virtual void SetItemIndex(int index) = 0;
  // Whether item index is selected (multiple selection); out-of-range indexes are not.
  virtual bool Selected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;
  // Scrolls a list box so that its first item shows.
  virtual void ScrollToTop() = 0;
};

// A multi-line edit, with word wrap (a vertical scroll bar only) or without (both bars).
class TMemoControl : public TFormControl {
public:
  // The lines as the user sees them split by line ends (wrapping does not split them).
  virtual std::vector<std::u32string> Lines() const = 0;
  // Replaces the text, puts the caret at the start and selects nothing.
  virtual void SetLines(const std::vector<std::u32string>& lines) = 0;
};

class TFormControlFactory {
public:
  virtual ~TFormControlFactory() = default;
  TFormControlFactory(const TFormControlFactory&) = delete;
  TFormControlFactory& operator=(const TFormControlFactory&) = delete;

  // The font of every control made from now on.
  void SetFont(const TFontDesc& font) { FFont = font; }
  const TFontDesc& Font() const { return FFont; }

  virtual std::unique_ptr<TEditControl> CreateEdit(bool password) = 0;
  virtual std::unique_ptr<TButtonControl> CreateButton() = 0;
  virtual std::unique_ptr<TCheckControl> CreateCheckBox() = 0;
  virtual std::unique_ptr<TCheckControl> CreateRadioButton() = 0;
  virtual std::unique_ptr<TListControl> CreateListBox(bool multiSelect) = 0;
  virtual std::unique_ptr<TListControl> CreateComboBox() = 0;
  virtual std::unique_ptr<TMemoControl> CreateMemo(bool wordWrap) = 0;

  // The height a drop-down list of the current font has; its width is the caller's.
  virtual int ComboHeight() const = 0;
  // The desktop's default interface font, which sizes a drop-down list's width.
  virtual TFontDesc ScreenFont() const = 0;

protected:
  TFormControlFactory() = default;

private:
  TFontDesc FFont;
};
