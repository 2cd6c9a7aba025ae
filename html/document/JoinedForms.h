#pragma once
// Letters that join their neighbours. Text is measured and drawn character by character, each
// with its own advance (platform/Font.h), but an Arabic letter takes another form at the start,
// in the middle and at the end of a word. So before such text is measured and drawn, its
// letters are replaced by the presentation forms their neighbours call for, as the text
// library's shaping gives them, one character for one: drawn side by side, the forms join as
// written. The stored text keeps the letters themselves, for finding, copying and breaking.

#include <string>
#include <string_view>

// Whether the character is a letter that joins its neighbours.
bool JoinsNeighbours(char32_t ch);

// The text with its joining letters in the forms their neighbours call for, as long as the
// text. A lam followed by an alef becomes their ligature followed by a zero-width space.
std::u32string JoinedForms(std::u32string_view text);
