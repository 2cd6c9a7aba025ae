#include "platform/headless/HeadlessFormControls.h"

#include "platform/Screen.h"

#include <algorithm>

// --- What every control shares.

template <class TBase>
THeadlessFormControl<TBase>::THeadlessFormControl(THeadlessFormControls& factory)
    : FFactory(factory) {
  FFactory.FControls.push_back(this);
}

template <class TBase>
THeadlessFormControl<TBase>::~THeadlessFormControl() {
  FFactory.Forget(this);
}

template <class TBase>
void THeadlessFormControl<TBase>::SetBounds(const TRect& bounds) {
  FBounds = {bounds.Left, bounds.Top, std::max(bounds.Left, bounds.Right),
             std::max(bounds.Top, bounds.Bottom)};
}

template <class TBase>
void THeadlessFormControl<TBase>::SetFocus() {
  FFactory.MoveFocus(this);
}

template <class TBase>
bool THeadlessFormControl<TBase>::HasFocus() const {
  return FFactory.Focused() == this;
}

template <class TBase>
void THeadlessFormControl<TBase>::SetClientSize(int width, int height) {
  const int frame = 2 * FrameWidth();
  SetBounds({FBounds.Left, FBounds.Top, FBounds.Left + std::max(width, 0) + frame,
             FBounds.Top + std::max(height, 0) + frame});
}

template <class TBase>
void THeadlessFormControl<TBase>::PressKey(char32_t key) {
  if (this->OnKeyPress) this->OnKeyPress(key);
}

template class THeadlessFormControl<TEditControl>;
template class THeadlessFormControl<TButtonControl>;
template class THeadlessFormControl<TCheckControl>;
template class THeadlessFormControl<TListControl>;
template class THeadlessFormControl<TMemoControl>;

// --- The kinds.

void THeadlessEdit::SetText(const std::u32string& text) {
  FText = MaxLength > 0 ? text.substr(0, std::size_t(MaxLength)) : text;
}

void THeadlessEdit::SetMaxLength(int length) {
  MaxLength = std::max(length, 0);
  SetText(FText);
}

void THeadlessEdit::Type(std::u32string_view text) {
  for (char32_t ch : text) PressKey(ch);
}

void THeadlessEdit::PressKey(char32_t key) {
  // Enter and other control characters do not go into a single-line edit.
  if (key >= 32 && (MaxLength <= 0 || int(FText.size()) < MaxLength)) FText += key;
  THeadlessFormControl::PressKey(key);
}

void THeadlessButton::Click() {
  if (OnClick) OnClick();
}

void THeadlessCheck::Click() {
  FChecked = Radio ? true : !FChecked;
  if (OnClick) OnClick();
}

void THeadlessList::SetItems(const std::vector<std::u32string>& items) {
  FItems = items;
  FSelected.assign(items.size(), false);
  FItemIndex = -1;
  TopIndex = 0;
}

std::u32string THeadlessList::Item(int index) const {
  return index >= 0 && index < Count() ? FItems[std::size_t(index)] : std::u32string();
}

void THeadlessList::SetItemIndex(int index) {
  FItemIndex = index >= 0 && index < Count() ? index : -1;
  if (!MultiSelect) {
    std::fill(FSelected.begin(), FSelected.end(), false);
    if (FItemIndex >= 0) FSelected[std::size_t(FItemIndex)] = true;
  }
}

bool THeadlessList::Selected(int index) const {
  return index >= 0 && index < Count() && FSelected[std::size_t(index)];
}

void THeadlessList::SetSelected(int index, bool selected) {
  if (index < 0 || index >= Count()) return;
  if (!MultiSelect) {
    SetItemIndex(selected ? index : -1);
    return;
  }
  FSelected[std::size_t(index)] = selected;
}

void THeadlessList::ClickItem(int index) {
  if (index < 0 || index >= Count()) return;
  if (MultiSelect) {
    FItemIndex = index;
    FSelected[std::size_t(index)] = !FSelected[std::size_t(index)];
  } else {
    SetItemIndex(index);
  }
}

std::vector<std::u32string> THeadlessMemo::Lines() const {
  std::vector<std::u32string> lines;
  if (FText.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = FText.find(U'\n', start);
    lines.push_back(FText.substr(start, end == std::u32string::npos ? end : end - start));
    if (end == std::u32string::npos) break;
    start = end + 1;
  }
  return lines;
}

void THeadlessMemo::SetLines(const std::vector<std::u32string>& lines) {
  FText.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) FText += U'\n';
    FText += lines[i];
  }
  Caret = 0;
}

void THeadlessMemo::Type(std::u32string_view text) {
  for (char32_t ch : text) PressKey(ch);
}

void THeadlessMemo::PressKey(char32_t key) {
  if (key == 13 || key >= 32) {
    FText.insert(FText.begin() + Caret, key == 13 ? U'\n' : key);
    ++Caret;
  }
  THeadlessFormControl::PressKey(key);
}

// --- The factory.

THeadlessFormControls::~THeadlessFormControls() = default;

std::unique_ptr<TEditControl> THeadlessFormControls::CreateEdit(bool password) {
  return std::make_unique<THeadlessEdit>(*this, password);
}

std::unique_ptr<TButtonControl> THeadlessFormControls::CreateButton() {
  return std::make_unique<THeadlessButton>(*this);
}

std::unique_ptr<TCheckControl> THeadlessFormControls::CreateCheckBox() {
  return std::make_unique<THeadlessCheck>(*this, false);
}

std::unique_ptr<TCheckControl> THeadlessFormControls::CreateRadioButton() {
  return std::make_unique<THeadlessCheck>(*this, true);
}

std::unique_ptr<TListControl> THeadlessFormControls::CreateListBox(bool multiSelect) {
  return std::make_unique<THeadlessList>(*this, false, multiSelect);
}

std::unique_ptr<TListControl> THeadlessFormControls::CreateComboBox() {
  return std::make_unique<THeadlessList>(*this, true, false);
}

std::unique_ptr<TMemoControl> THeadlessFormControls::CreateMemo(bool wordWrap) {
  return std::make_unique<THeadlessMemo>(*this, wordWrap);
}

int THeadlessFormControls::ComboHeight() const { return PointsToPixels(Font().Size) + 8; }

TFontDesc THeadlessFormControls::ScreenFont() const {
  TFontDesc font;
  font.Name = "Sans";
  font.Size = 9;
  return font;
}

void THeadlessFormControls::MoveFocus(TFormControl* control) {
  if (control == FFocused) return;
  TFormControl* old = FFocused;
  FFocused = control;
  if (old && old->OnFocusOut) old->OnFocusOut();
  if (control && FFocused == control && control->OnFocusIn) control->OnFocusIn();
}

void THeadlessFormControls::Forget(TFormControl* control) {
  std::erase(FControls, control);
  if (FFocused == control) FFocused = nullptr;
}
