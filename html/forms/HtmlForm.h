#pragma once
// ThtmlForm: one FORM of a page. It owns the page's control objects that belong to it, resets
// them, keeps its radio groups exclusive and builds the submission: the "name=value" strings of
// its controls in source order, handed to the document's OnFormSubmit.
//
// Controls outside any FORM share a form with no attributes (one per run of such controls).
// The document owns its forms (TSectionList::Forms).

#include <memory>
#include <string>
#include <vector>

#include "html/parser/Tokenizer.h"

class TAttributeList;
class TFormControlObj;
class TRadioButtonFormControlObj;
class TSectionList;

class ThtmlForm {
 public:
  // METHOD (cut to 4 characters), ACTION, TARGET and ENCTYPE come from attributes, a later
  // one overwriting an earlier one; null attributes: the default form.
  ThtmlForm(TSectionList& document, const TAttributeList* attributes);
  ~ThtmlForm();
  ThtmlForm(const ThtmlForm&) = delete;
  ThtmlForm& operator=(const ThtmlForm&) = delete;

  TSectionList& Document;
  std::u32string Method = U"Get";
  std::u32string Action;
  std::u32string Target;
  std::u32string EncType;
  std::vector<std::unique_ptr<TFormControlObj>> ControlList;  // creation order
  int NonHiddenCount = 0;

  // Takes the control; counts it unless it is a hidden field.
  TFormControlObj& InsertControl(std::unique_ptr<TFormControlObj> control);
  // Unchecks every other radio button of the form with radio's name, ignoring letter case;
  // nothing for a radio button without a name.
  void DoRadios(TRadioButtonFormControlObj& radio);
  void ResetControls();
  // Enter in the form's only non-hidden control, a single-line edit, submits the form.
  void ControlKeyPress(TFormControlObj& sender, char32_t key);
  // The controls' strings in order, then buttonText when it is not empty.
  TStringList Submission(const std::u32string& buttonText);
  // Hands Submission to the document's OnFormSubmit; nothing without a handler.
  void SubmitTheForm(const std::u32string& buttonText);
};
