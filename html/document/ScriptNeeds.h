#pragma once
// What a text needs beyond breaking at spaces, reading left to right and one form per letter:
// the Unicode line-breaking rules (LineBreaking.h), the bidirectional algorithm (BidiText.h)
// and joined letter forms (JoinedForms.h). Most text needs none of them, and finds that out in
// one quick look at its characters, so only text that needs them pays for them.

#include <string_view>

struct TScriptNeeds {
  bool BreakRules = false;  // a character BreaksByRules
  bool RightToLeft = false; // a character StartsRightToLeft
  bool Joining = false;     // a character JoinsNeighbours
};

TScriptNeeds ScriptNeedsOf(std::u32string_view text);
