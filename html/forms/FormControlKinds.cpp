// Edits, buttons, check boxes, radio buttons and multi-line edits.
#include <algorithm>

#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "html/parser/Attributes.h"
#include "html/support/LetterCase.h"
#include "platform/Canvas.h"

namespace {

constexpr int EditWidth = 120, EditHeight = 20;
constexpr int CheckSize = 13;
constexpr int RadioWidth = 13, RadioHeight = 14;

bool Present(const TAttributeList& attributes, TSymbol symbol) {
  return FindAttribute(attributes, symbol) != nullptr;
}

int ClampChars(int count) { return std::clamp(count, 0, MaxControlChars); }

// SIZE of a single-line edit: its number when above 0; else, when the text holds a space or
// a comma, the number before the first of them ("40,1" is 40 wide); else 20.
int ReadEditSize(const TAttributeList& attributes) {
  const TAttribute* size = FindAttribute(attributes, symSize);
  if (!size) return 20;
  if (size->IntValue > 0) return size->IntValue;
  const std::u32string& text = size->StrValue;
  const std::size_t cut = text.find_first_of(U" ,");
  if (cut == std::u32string::npos) return 20;
  int value = 0;
  std::size_t i = 0;
  for (; i < cut && text[i] >= U'0' && text[i] <= U'9'; ++i)
    value = std::min(value * 10 + int(text[i] - U'0'), MaxControlChars);
  return i == cut && i > 0 && value > 0 ? value : 20;
}

TFormControlFactory& Factory(TSectionList& document) { return *document.ControlFactory; }

}  // namespace

// --- Single-line edit.

TEditFormControlObj::TEditFormControlObj(TSectionList& document, ThtmlForm& form,
                                         const TAttributeList& attributes,
                                         const std::u32string& typeWord)
    : TFormControlObj(document, form, attributes) {
  EditSize = std::min(ReadEditSize(attributes), MaxControlChars);
  auto edit = Factory(document).CreateEdit(typeWord == U"password");
  FEdit = edit.get();
  if (const TAttribute* maxLength = FindAttribute(attributes, symMaxlength))
    FEdit->SetMaxLength(std::max(maxLength->IntValue, 0));
  FEdit->OnKeyPress = [this](char32_t key) { Form.ControlKeyPress(*this, key); };
  Adopt(std::move(edit));
  Resize(EditWidth, EditHeight);
  FEdit->SetText(Value);
}

void TEditFormControlObj::ResetToValue() { FEdit->SetText(Value); }

bool TEditFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index != 0) return false;
  text = Name + U"=" + FEdit->Text();
  return true;
}

void TEditFormControlObj::SetSize(TCanvas& canvas) {
  int width = 0, height = 0;
  MeasureA(canvas, Factory(Document), width, height);
  Resize(width * EditSize + 5, Height());
}

// --- Push button.

TButtonFormControlObj::TButtonFormControlObj(TSectionList& document, ThtmlForm& form,
                                             const TAttributeList& attributes,
                                             const std::u32string& typeWord)
    : TFormControlObj(document, form, attributes) {
  Which = typeWord == U"reset" ? 1 : typeWord == U"button" ? 2 : 0;
  if (Value.empty()) Value = Which == 1 ? U"Reset" : Which == 2 ? U"Button" : U"Submit";
  OnClickText = AttributeText(attributes, symOnclick);
  auto button = Factory(document).CreateButton();
  FButton = button.get();
  FButton->SetCaption(Value);
  FButton->OnClick = [this] { Click(); };
  Adopt(std::move(button));
}

void TButtonFormControlObj::Click() {
  if (!ObjectClick()) return;
  if (Which == 1)
    Form.ResetControls();
  else if (Which == 0)
    Form.SubmitTheForm(Name.empty() ? std::u32string() : Name + U"=" + Value);
}

void TButtonFormControlObj::SetSize(TCanvas& canvas) {
  int width = 0, height = 0;
  MeasureA(canvas, Factory(Document), width, height);
  Resize(canvas.TextWidth(Value) + 20, height + 8);
}

// --- Check box.

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList& document, ThtmlForm& form,
                                                 const TAttributeList& attributes)
    : TFormControlObj(document, form, attributes), IsChecked(Present(attributes, symChecked)) {
  if (Value.empty()) Value = U"On";
  OnBaseline = true;
  OnClickText = AttributeText(attributes, symOnclick);
  auto box = Factory(document).CreateCheckBox();
  FBox = box.get();
  FBox->SetChecked(IsChecked);
  FBox->OnClick = [this] { ObjectClick(); };
  Adopt(std::move(box));
  Resize(CheckSize, CheckSize);
}

void TCheckBoxFormControlObj::ResetToValue() { FBox->SetChecked(IsChecked); }

bool TCheckBoxFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index != 0) return false;
  text = FBox->Checked() ? Name + U"=" + Value : std::u32string();
  return true;
}

// --- Radio button.

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TSectionList& document, ThtmlForm& form,
                                                       const TAttributeList& attributes)
    : TFormControlObj(document, form, attributes), IsChecked(Present(attributes, symChecked)) {
  OnBaseline = true;
  OnClickText = AttributeText(attributes, symOnclick);
  auto button = Factory(document).CreateRadioButton();
  FButton = button.get();
  FButton->SetChecked(IsChecked);
  FButton->OnClick = [this] {
    Form.DoRadios(*this);
    ObjectClick();
  };
  Adopt(std::move(button));
  Resize(RadioWidth, RadioHeight);
}

void TRadioButtonFormControlObj::Place(int x, int top, TColor background) {
  TFormControlObj::Place(x, top, Cell && Cell->HasBackground ? Cell->BackgroundColor : background);
}

void TRadioButtonFormControlObj::ResetToValue() { FButton->SetChecked(IsChecked); }

bool TRadioButtonFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index != 0) return false;
  text = FButton->Checked() ? Name + U"=" + Value : std::u32string();
  return true;
}

// --- Multi-line edit.

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList& document, ThtmlForm& form,
                                                 const TAttributeList& attributes)
    : TFormControlObj(document, form, attributes) {
  if (const TAttribute* rows = FindAttribute(attributes, symRows))
    Rows = std::clamp(rows->IntValue, 0, MaxControlRows);
  if (const TAttribute* cols = FindAttribute(attributes, symCols)) Cols = ClampChars(cols->IntValue);
  const std::u32string wrap = LowerAscii(AttributeText(attributes, symWrap));
  WordWrap = wrap == U"soft" || wrap == U"hard";
  auto memo = Factory(document).CreateMemo(WordWrap);
  FMemo = memo.get();
  FMemo->OnKeyPress = [this](char32_t key) { Form.ControlKeyPress(*this, key); };
  Adopt(std::move(memo));
}

void TTextAreaFormControlObj::ResetToValue() { FMemo->SetLines(TheText); }

bool TTextAreaFormControlObj::GetSubmission(int index, std::u32string& text) {
  // The lines are read once per submission, not once per line.
  if (index == 0) FSubmitted = FMemo->Lines();
  if (index < 0 || std::size_t(index) >= FSubmitted.size()) {
    FSubmitted.clear();
    return false;
  }
  text = Name + U"=" + FSubmitted[std::size_t(index)];
  return true;
}

void TTextAreaFormControlObj::SetSize(TCanvas& canvas) {
  int width = 0, height = 0;
  MeasureA(canvas, Factory(Document), width, height);
  FMemo->SetClientSize(width * Cols + 5, height * Rows + 5);
}
