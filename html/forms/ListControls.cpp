// List boxes and drop-down lists, and their options.
#include <algorithm>

#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/parser/Attributes.h"
#include "platform/Canvas.h"

namespace {

// A list box shows this many rows at most when its SIZE leaves the choice to the options.
constexpr int MaxAutomaticRows = 8;

}  // namespace

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                               const TAttributeList& attributes)
    : TListBoxFormControlObj(document, form, attributes, false) {}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                               const TAttributeList& attributes, bool dropDown)
    : TFormControlObj(document, form, attributes) {
  Multiple = FindAttribute(attributes, symMultiple) != nullptr;
  // SIZE 0 or below would give a list with no room for a single row: it counts as absent.
  if (const TAttribute* size = FindAttribute(attributes, symSize); size && size->IntValue > 0)
    Rows = std::min(size->IntValue, MaxControlRows);
  auto list = dropDown ? document.ControlFactory->CreateComboBox()
                       : document.ControlFactory->CreateListBox(Multiple);
  FList = list.get();
  Adopt(std::move(list));
}

void TListBoxFormControlObj::AddOption(const std::u32string& text, const TOptionObj& option) {
  TheOptions.push_back(text);
  Options.push_back(option);
  LongestOption = std::max(LongestOption, int(std::min(text.size(), MaxOptionLength)));
}

void TListBoxFormControlObj::ResetToValue() {
  FList->SetItems(TheOptions);
  int current = -1;
  for (std::size_t i = 0; i < Options.size(); ++i) {
    if (!Options[i].Selected) continue;
    if (Multiple) FList->SetSelected(int(i), true);
    current = int(i);
  }
  if (Multiple) {
    // The current item of a multiple-selection list only carries the focus ring.
    if (FList->ItemIndex() < 0 && !TheOptions.empty()) FList->SetItemIndex(0);
  } else {
    FList->SetItemIndex(current >= 0 ? current : TheOptions.empty() ? -1 : 0);
  }
  FList->ScrollToTop();
}

std::u32string TListBoxFormControlObj::OptionString(int index) const {
  const TOptionObj& option = Options[std::size_t(index)];
  return Name + U"=" + (option.Value.empty() ? TheOptions[std::size_t(index)] : option.Value);
}

bool TListBoxFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index < 0 || index >= FList->Count() || std::size_t(index) >= Options.size()) return false;
  const bool chosen = Multiple ? FList->Selected(index) : FList->ItemIndex() == index;
  text = chosen ? OptionString(index) : std::u32string();
  return true;
}

void TListBoxFormControlObj::SetSize(TCanvas& canvas) {
  int width = 0, height = 0;
  MeasureA(canvas, *Document.ControlFactory, width, height);
  if (Rows < 0) Rows = std::clamp(int(TheOptions.size()), 1, MaxAutomaticRows);
  FList->SetClientSize(width * LongestOption + 15, height * Rows);
}

TComboFormControlObj::TComboFormControlObj(TSectionList& document, ThtmlForm& form,
                                           const TAttributeList& attributes)
    : TListBoxFormControlObj(document, form, attributes, true) {
  Multiple = false;
}

void TComboFormControlObj::ResetToValue() {
  FList->SetItems(TheOptions);
  int current = TheOptions.empty() ? -1 : 0;
  for (std::size_t i = 0; i < Options.size(); ++i)
    if (Options[i].Selected) current = int(i);
  FList->SetItemIndex(current);
}

bool TComboFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index < 0 || index >= FList->Count() || std::size_t(index) >= Options.size()) return false;
  text = FList->ItemIndex() == index ? OptionString(index) : std::u32string();
  return true;
}

void TComboFormControlObj::SetSize(TCanvas& canvas) {
  // Unlike the other controls, the width follows the screen's font, not the control's.
  canvas.SetFont(Document.ControlFactory->ScreenFont());
  Resize(canvas.TextWidth(U"A") * LongestOption + 30, Document.ControlFactory->ComboHeight());
}
