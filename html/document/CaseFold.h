#pragma once
// Letter case for searches that ignore it.

// The lower-case form of a letter of the Latin (Basic, Latin-1 and Extended-A), Greek and
// Cyrillic alphabets; any other character is its own. Final sigma folds to sigma.
char32_t FoldCase(char32_t ch);
