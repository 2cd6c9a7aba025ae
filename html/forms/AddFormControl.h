#pragma once
// Making the control object of an INPUT, SELECT or TEXTAREA tag at the end of a section.

#include "html/parser/Symbols.h"

class TAttributeList;
class TFormControlObj;
class TSection;
class TSectionList;
class ThtmlForm;

// Chooses the class from the tag and, for INPUT, the lower-cased TYPE (at most 20
// characters): "text", "password", none or an unknown word an edit; "submit", "reset",
// "button" a push button; "radio", "checkbox", "hidden", "image". SELECT gives a list box with
// MULTIPLE or a SIZE above 1, else a drop-down list; TEXTAREA a multi-line edit. The form
// takes the object. A windowed control stands in the section's text as character 2 and joins
// the document's FormControls; an image input stands there as an inline image; a hidden field
// adds nothing to the text. The document must have a ControlFactory.
TFormControlObj& AddFormControl(TSection& section, TSymbol tag, TSectionList& document,
                                ThtmlForm& form, const TAttributeList& attributes);
