#pragma once
// Forms and form controls as `tamblin-dump` prints them.

#include "tools/Json.h"

class TSection;
class TSectionList;

// Whether form controls stand in the section's text (only such sections list them).
bool HasFormControls(const TSection& section);

// The controls standing in the section's text, in order of position: {"class", "pos",
// "name", "value", "width", "height", "onBaseline"}. Image inputs have their picture's size.
TJson ControlsJson(const TSection& section);

// One object per form in document order: {"method", "action", "target", "encType",
// "nonHiddenCount", "submission"}, the submission being what the form sends with no button
// pressed.
TJson FormsJson(TSectionList& document);
