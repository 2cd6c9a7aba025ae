#pragma once
// Headless form controls: their state in memory, and the user's actions for tests.
//
// The factory keeps the focus among the controls it made: at most one has it, and moving it
// reports focus-out to the one that had it, then focus-in to the new one. Sizes are fixed so
// that layout numbers can be worked out by hand: list boxes and multi-line edits have a frame
// of 2 pixels on each side, and a drop-down list is the font's pixel height + 8 high.

#include "platform/FormControls.h"

#include <vector>

class THeadlessFormControls;

// What every headless control shares; TBase is one of the interfaces of FormControls.h.
template <class TBase>
class THeadlessFormControl : public TBase {
public:
  explicit THeadlessFormControl(THeadlessFormControls& factory);
  ~THeadlessFormControl() override;

  TRect Bounds() const override { return FBounds; }
  void SetBounds(const TRect& bounds) override;
  bool Visible() const override { return FVisible; }
  void SetVisible(bool visible) override { FVisible = visible; }
  void SetFocus() override;
  bool HasFocus() const override;
  void SetClientSize(int width, int height) override;

  // --- The user's actions. A key typed into the control (Enter is 13).
  virtual void PressKey(char32_t key);

protected:
  virtual int FrameWidth() const { return 0; }

  THeadlessFormControls& FFactory;

private:
  TRect FBounds;
  bool FVisible = false;
};

class THeadlessEdit : public THeadlessFormControl<TEditControl> {
public:
  THeadlessEdit(THeadlessFormControls& factory, bool password)
      : THeadlessFormControl(factory), Password(password) {}
  std::u32string Text() const override { return FText; }
  void SetText(const std::u32string& text) override;
  void SetMaxLength(int length) override;

  // Types each character at the end of the text (as far as the maximum length allows).
  void Type(std::u32string_view text);
  void PressKey(char32_t key) override;

  const bool Password;
  int MaxLength = 0;

private:
  std::u32string FText;
};

class THeadlessButton : public THeadlessFormControl<TButtonControl> {
public:
  using THeadlessFormControl::THeadlessFormControl;
  std::u32string Caption() const override { return FCaption; }
  void SetCaption(const std::u32string& caption) override { FCaption = caption; }
  void Click();

private:
  std::u32string FCaption;
};

class THeadlessCheck : public THeadlessFormControl<TCheckControl> {
public:
  THeadlessCheck(THeadlessFormControls& factory, bool radio)
      : THeadlessFormControl(factory), Radio(radio) {}
  bool Checked() const override { return FChecked; }
  void SetChecked(bool checked) override { FChecked = checked; }
  void SetPanelColor(TColor color) override { PanelColor = color; }
  // A check box toggles; a radio button becomes checked.
  void Click();

  const bool Radio;
  TColor PanelColor = clWhite;

private:
  bool FChecked = false;
};

class THeadlessList : public THeadlessFormControl<TListControl> {
public:
  THeadlessList(THeadlessFormControls& factory, bool dropDown, bool multiSelect)
      : THeadlessFormControl(factory), DropDown(dropDown), MultiSelect(multiSelect) {}
  void SetItems(const std::vector<std::u32string>& items) override;
  int Count() const override { return int(FItems.size()); }
  std::u32string Item(int index) const override;
  int ItemIndex() const override { return FItemIndex; }
  void SetItemIndex(int index) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  void ScrollToTop() override { TopIndex = 0; }

  // A click on item index: in a multiple-selection list it toggles the item.
  void ClickItem(int index);

  const bool DropDown;
  const bool MultiSelect;
  int TopIndex = 0;

protected:
  int FrameWidth() const override { return DropDown ? 0 : 2; }

private:
  std::vector<std::u32string> FItems;
  std::vector<bool> FSelected;
  int FItemIndex = -1;
};

class THeadlessMemo : public THeadlessFormControl<TMemoControl> {
public:
  THeadlessMemo(THeadlessFormControls& factory, bool wordWrap)
      : THeadlessFormControl(factory), WordWrap(wordWrap) {}
  std::vector<std::u32string> Lines() const override;
  void SetLines(const std::vector<std::u32string>& lines) override;
  // Types at the caret; Enter (13) starts a new line.
  void Type(std::u32string_view text);
  void PressKey(char32_t key) override;

  const bool WordWrap;
  int Caret = 0;  // index into the text

protected:
  int FrameWidth() const override { return 2; }

private:
  std::u32string FText;  // lines joined by "\n"
};

class THeadlessFormControls : public TFormControlFactory {
public:
  THeadlessFormControls() = default;
  ~THeadlessFormControls() override;

  std::unique_ptr<TEditControl> CreateEdit(bool password) override;
  std::unique_ptr<TButtonControl> CreateButton() override;
  std::unique_ptr<TCheckControl> CreateCheckBox() override;
  std::unique_ptr<TCheckControl> CreateRadioButton() override;
  std::unique_ptr<TListControl> CreateListBox(bool multiSelect) override;
  std::unique_ptr<TListControl> CreateComboBox() override;
  std::unique_ptr<TMemoControl> CreateMemo(bool wordWrap) override;
  int ComboHeight() const override;
  // A sans face at 9 points, as a desktop's interface font commonly is.
  TFontDesc ScreenFont() const override;

  // --- For tests.
  TFormControl* Focused() const { return FFocused; }
  // Takes the focus away from every control (as when the user clicks into the page).
  void ClearFocus() { MoveFocus(nullptr); }
  // The controls alive, in the order they were made (not owned).
  const std::vector<TFormControl*>& Controls() const { return FControls; }

private:
  template <class TBase>
  friend class THeadlessFormControl;
  void MoveFocus(TFormControl* control);
  void Forget(TFormControl* control);

  std::vector<TFormControl*> FControls;
  TFormControl* FFocused = nullptr;
};
