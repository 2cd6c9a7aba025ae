#include "html/forms/HtmlForm.h"

#include <unordered_set>

#include "html/document/CaseFold.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/parser/Attributes.h"

namespace {

constexpr std::size_t MethodLength = 4;

bool EqualIgnoringCase(std::u32string_view a, std::u32string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace

ThtmlForm::ThtmlForm(TSectionList& document, const TAttributeList* attributes)
    : Document(document) {
  if (!attributes) return;
  for (const auto& attribute : *attributes) {
    switch (attribute->Symbol) {
      case symMethod: Method = attribute->StrValue.substr(0, MethodLength); break;
      case symAction: Action = attribute->StrValue; break;
      case symTarget: Target = attribute->StrValue; break;
      case symEnctype: EncType = attribute->StrValue; break;
      default: break;
    }
  }
}

ThtmlForm::~ThtmlForm() = default;

TFormControlObj& ThtmlForm::InsertControl(std::unique_ptr<TFormControlObj> control) {
  if (!dynamic_cast<THiddenFormControlObj*>(control.get())) ++NonHiddenCount;
  ControlList.push_back(std::move(control));
  return *ControlList.back();
}

void ThtmlForm::DoRadios(TRadioButtonFormControlObj& radio) {
  if (radio.Name.empty()) return;
  for (const auto& control : ControlList) {
    auto* other = dynamic_cast<TRadioButtonFormControlObj*>(control.get());
    if (other && other != &radio && EqualIgnoringCase(other->Name, radio.Name))
      other->Button().SetChecked(false);
  }
}

void ThtmlForm::ResetControls() {
  for (const auto& control : ControlList) control->ResetToValue();
}

void ThtmlForm::ControlKeyPress(TFormControlObj& sender, char32_t key) {
  if (key == 13 && NonHiddenCount == 1 && dynamic_cast<TEditFormControlObj*>(&sender))
    SubmitTheForm(std::u32string());
}

TStringList ThtmlForm::Submission(const std::u32string& buttonText) {
  TStringList results;
  for (const auto& control : ControlList) {
    std::u32string text;
    for (int index = 0; control->GetSubmission(index, text); ++index) {
      if (!text.empty()) results.push_back(text);
      text.clear();
    }
  }
  if (!buttonText.empty()) results.push_back(buttonText);
  return results;
}

void ThtmlForm::SubmitTheForm(const std::u32string& buttonText) {
  if (!Document.OnFormSubmit) return;
  Document.OnFormSubmit(Action, Target, EncType, Method, Submission(buttonText));
}

TReleasedControls TakeFormControls(TSectionList& document, const TSectionBase* within) {
  // The sections inside within, found once: a page may hold many controls and drop many tables.
  std::unordered_set<const TSectionBase*> inside;
  if (within) within->ForEachSection([&](const TSectionBase& section) { inside.insert(&section); });
  const auto goes = [&](const TFormControlObj& control) {
    return !within || inside.contains(control.Section);
  };
  TReleasedControls taken;
  std::unordered_set<const TInlineControl*> takenSet;
  for (const auto& form : document.Forms) {
    std::vector<std::unique_ptr<TFormControlObj>> kept;
    for (auto& control : form->ControlList) {
      if (!goes(*control)) {
        kept.push_back(std::move(control));
        continue;
      }
      // A window going away may move the focus; no control may answer while the others go.
      control->DropHandlers();
      if (!dynamic_cast<THiddenFormControlObj*>(control.get())) --form->NonHiddenCount;
      takenSet.insert(control.get());
      taken.push_back(std::move(control));
    }
    form->ControlList = std::move(kept);
  }
  std::erase_if(document.FormControls,
                [&](const TInlineControl* control) { return !within || takenSet.contains(control); });
  return taken;
}
