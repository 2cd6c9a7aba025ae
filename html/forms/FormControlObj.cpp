// The control base, hidden fields and image inputs.
#include "html/forms/FormControlObj.h"

#include <algorithm>

#include "html/document/SectionList.h"
#include "html/forms/HtmlForm.h"
#include "html/parser/Attributes.h"
#include "html/support/Decimal.h"
#include "platform/Canvas.h"

namespace {

// Windows wait here, off screen, until they are placed.
constexpr int OffscreenTop = -400;
// Where a control goes to stay out of sight while keeping the keyboard focus.
constexpr int OutOfSightLeft = -4000;

}  // namespace

TFormControlObj::TFormControlObj(TSectionList& document, ThtmlForm& form,
                                 const TAttributeList& attributes)
    : Document(document), Form(form), Value(AttributeText(attributes, symValue)),
      Name(AttributeText(attributes, symName)) {}

TFormControlObj::~TFormControlObj() {
  // The window may report a focus change while it goes; this object cannot answer it.
  DropHandlers();
}

void TFormControlObj::DropHandlers() {
  if (!TheControl) return;
  TheControl->OnFocusIn = TheControl->OnFocusOut = TheControl->OnClick = nullptr;
  TheControl->OnKeyPress = nullptr;
}

bool TFormControlObj::GetSubmission(int, std::u32string&) { return false; }

void TFormControlObj::SetSize(TCanvas&) {}

int TFormControlObj::Width() const { return TheControl ? TheControl->Width() : 0; }

int TFormControlObj::Height() const { return TheControl ? TheControl->Height() : 0; }

void TFormControlObj::Place(int x, int top, TColor background) {
  if (!TheControl) return;
  if (auto* check = dynamic_cast<TCheckControl*>(TheControl.get())) check->SetPanelColor(background);
  const TRect bounds = TheControl->Bounds();
  if (bounds.Left != x || bounds.Top != top)
    TheControl->SetBounds({x, top, x + bounds.Width(), top + bounds.Height()});
  TheControl->SetVisible(true);
}

void TFormControlObj::Hide() {
  if (TheControl) TheControl->SetVisible(false);
}

void TFormControlObj::MoveOutOfSight() {
  if (!TheControl) return;
  const TRect bounds = TheControl->Bounds();
  TheControl->SetBounds(
      {OutOfSightLeft, bounds.Top, OutOfSightLeft + bounds.Width(), bounds.Bottom});
  TheControl->SetVisible(true);
}

bool TFormControlObj::HasFocus() const { return TheControl && TheControl->HasFocus(); }

void TFormControlObj::Adopt(std::unique_ptr<TFormControl> control) {
  TheControl = std::move(control);
  TheControl->SetBounds({0, OffscreenTop, 0, OffscreenTop});
  TheControl->OnFocusIn = [this] {
    // The viewer scrolls the control into view; the controls still out of view then stand
    // ready, out of sight, so that the focus can move on to them.
    if (Document.OnControlEnter) Document.OnControlEnter(*this);
    for (TInlineControl* control : Document.FormControls)
      if (!control->Shown) control->MoveOutOfSight();
  };
  TheControl->OnFocusOut = [this] { Document.HideControls(); };
}

void TFormControlObj::Resize(int width, int height) {
  if (!TheControl) return;
  const TRect bounds = TheControl->Bounds();
  TheControl->SetBounds(
      {bounds.Left, bounds.Top, bounds.Left + std::max(width, 0), bounds.Top + std::max(height, 0)});
}

void TFormControlObj::MeasureA(TCanvas& canvas, const TFormControlFactory& factory, int& width,
                               int& height) {
  canvas.SetFont(factory.Font());
  width = canvas.TextWidth(U"A");
  height = canvas.TextMetrics().Height;
}

bool TFormControlObj::ObjectClick() {
  // The handler may open another page, freeing this object: only copies are used after it.
  TSectionList& document = Document;
  const std::uint64_t page = document.DocumentNumber;
  if (document.OnObjectClick) document.OnObjectClick(*this, std::u32string(OnClickText));
  return document.DocumentNumber == page;
}

// --- Hidden field.

bool THiddenFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (index != 0) return false;
  text = Name + U"=" + Value;
  return true;
}

// --- Image input.

TImageFormControlObj::TImageFormControlObj(TSectionList& document, ThtmlForm& form,
                                           const TAttributeList& attributes)
    : TFormControlObj(document, form, attributes) {}

bool TImageFormControlObj::GetSubmission(int index, std::u32string& text) {
  if (XPos < 0 || index > 1) return false;
  const std::u32string prefix = Name.empty() ? std::u32string() : Name + U".";
  text = prefix + (index == 0 ? U"x=" : U"y=") + DecimalText(index == 0 ? XPos : YPos);
  // The click is submitted once.
  if (index == 1) XPos = -1;
  return true;
}

void TImageFormControlObj::ImageClick() {
  XPos = XTmp;
  YPos = YTmp;
  Form.SubmitTheForm(std::u32string());
}
