#pragma once
// Right-to-left text. A section keeps its text in logical order (the order it is read, typed,
// found and copied); only drawing and hit testing see a line in visual order, as the Unicode
// bidirectional algorithm of the text library gives it: the line's runs left to right, each
// run of characters drawn left to right or right to left.

#include <string_view>
#include <vector>

// A stretch of a line drawn in one direction. Start indexes the section's text.
struct TVisualRun {
  int Start = 0;
  int Count = 0;
  bool RightToLeft = false;
  friend bool operator==(const TVisualRun&, const TVisualRun&) = default;
};

// A line of a section: its first character and how many it holds.
struct TLineSpan {
  int Start = 0;
  int Count = 0;
};

// Whether the character reads right to left (Hebrew, Arabic, ...) or starts right-to-left text
// (an embedding, override or isolate). Lines of left-to-right text without such a character
// are drawn as stored.
bool StartsRightToLeft(char32_t ch);

// The runs of each line in drawing order, left to right, with the text resolved as one
// paragraph in the base direction (left to right unless rightToLeft). Spaces at a line's end
// take the base direction, so they stand at its right end, or at its left end in right-to-left
// text. A line of no characters has no runs. The algorithm reads at most 4096 characters at a
// time, whatever the text: a longer paragraph is resolved a few whole lines at a time, and a
// longer line in pieces placed side by side.
std::vector<std::vector<TVisualRun>> ReorderLines(std::u32string_view text, bool rightToLeft,
                                                  const std::vector<TLineSpan>& lines);

// The character drawn for ch inside right-to-left text: the mirror image of brackets, "<",
// ">" and their kin, else ch itself.
char32_t MirroredChar(char32_t ch);
