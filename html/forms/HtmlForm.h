#pragma once
// ThtmlForm: one FORM of a page. It owns the page's control objects that belong to it, resets
// them, keeps its radio groups exclusive and builds the submission: the "name=value" strings of
// its controls in source order, handed to the document's OnFormSubmit.
//
// Controls outside any FORM share a form with no attributes (one per run of such controls).
// The document owns its forms (TSectionList::Forms).
//
// Who owns a form control, and how it goes. A control object has one owner, its form
// (ControlList). Everything else only refers to it: the section it stands in (the section's
// control list, or the picture of an image input), the document's FormControls (the windowed
// controls, for placing and hiding), and the other radio buttons of its form; the control in
// turn refers to its Section and, for a radio button, to its Cell. A control lives as long as
// the section it stands in, and no longer. Whoever lets go of sections (the document being
// cleared, layout dropping a table, the builder dropping text that stood before BODY) lets go
// of their controls in one way, TakeFormControls, and in one order: the windows stop
// reporting and every list forgets the controls; then the sections go, and with them what
// refers to the controls; the controls themselves go last. So no object ever points at a
// freed one, whatever the order in which the lists are emptied.

#include <memory>
#include <string>
#include <vector>

#include "html/parser/Tokenizer.h"

class TAttributeList;
class TFormControlObj;
class TRadioButtonFormControlObj;
class TSectionBase;
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

// Controls taken out of their forms: freed when this goes.
using TReleasedControls = std::vector<std::unique_ptr<TFormControlObj>>;

// Takes the document's controls that stand in within, or in a section inside it (all of them
// when within is null), out of their forms and out of the document's FormControls, their
// windows no longer reporting. The caller frees the sections and then the controls.
TReleasedControls TakeFormControls(TSectionList& document, const TSectionBase* within);
