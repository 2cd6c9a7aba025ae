#pragma once
// Line breaks in scripts written without spaces between words. Latin text (and any text
// written with spaces) breaks at spaces and around inline objects only; ideographs, kana,
// Hangul syllables, their full-width punctuation, and Thai and its neighbours break where the
// Unicode line-breaking rules allow, as the text library finds them: between two ideographs,
// but never before closing punctuation such as 、。」 nor after opening punctuation such as 「.

#include <string_view>
#include <vector>

struct UBreakIterator;

// Whether lines may break beside the character by the Unicode rules. Only text holding such a
// character pays for the rules.
bool BreaksByRules(char32_t ch);

// Finds where the rules break texts. It keeps the text library's iterator from one text to
// the next, since making one costs more than going through a paragraph with it; a document
// has one for all its sections.
class TLineBreaker {
 public:
  TLineBreaker() = default;
  ~TLineBreaker();
  TLineBreaker(const TLineBreaker&) = delete;
  TLineBreaker& operator=(const TLineBreaker&) = delete;

  // For each index 0 .. text.size(): whether a line may start there by the Unicode rules,
  // taken only where one of the two characters beside the index BreaksByRules (elsewhere the
  // spaces decide, as in text without such characters). Index 0 and the end are never breaks.
  std::vector<bool> RuleBreaks(std::u32string_view text);

 private:
  UBreakIterator* FIterator = nullptr;  // made on first use, then given each text in turn
};
