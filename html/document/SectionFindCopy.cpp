// Find and copy on a text section.
#include <algorithm>

#include "html/document/CaseFold.h"
#include "html/document/IndentManager.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/document/SelectionText.h"

namespace {

// Indentation survives a copy as this many spaces for every whole LevelIndent pixels.
constexpr int SpacesPerIndent = 3;

// The first index at or after from where text matches, exactly or ignoring letter case, or
// npos.
std::size_t Find(const TSectionText& haystack, std::u32string_view text, std::size_t from,
                 bool matchCase) {
  if (text.size() > haystack.size()) return std::u32string_view::npos;
  const auto same = [matchCase](char32_t a, char32_t b) {
    return a == b || (!matchCase && FoldCase(a) == FoldCase(b));
  };
  const std::size_t last = haystack.size() - text.size();
  for (std::size_t i = from; i <= last; ++i) {
    if (!same(haystack[i], text.front())) continue;
    std::size_t k = 1;
    while (k < text.size() && same(haystack[i + k], text[k])) ++k;
    if (k == text.size()) return i;
  }
  return std::u32string_view::npos;
}

}  // namespace

int TSection::SearchText(int start, std::u32string_view text, bool matchCase) {
  const int length = int(Text.size());
  if (length == 0 || text.empty() || start >= FirstPos + length) return -1;
  const std::size_t from = std::size_t(std::max(start - FirstPos, 0));
  const std::size_t found = Find(Text, text, from, matchCase);
  return found == std::u32string_view::npos ? -1 : FirstPos + int(found);
}

void TSection::CopySelection() {
  if (!Document || !Document->Clipboard) return;
  SelTextBuf& buffer = *Document->Clipboard;
  const int start = Document->SelectionStart - FirstPos;
  const int end = Document->SelectionEnd - FirstPos;
  for (const LineRec& line : Lines) {
    // Only lines that hold selected characters copy; a selection that starts at the start of
    // a line gets no line break from the line before. A line without characters (the space a
    // CLEAR leaves) copies as an empty line when the selection starts at or before it.
    if (line.Start >= end || line.Start + std::max(line.Count, 1) <= start) continue;
    const int from = std::max(start - line.Start, 0);
    const int to = std::min(line.Count, end - line.Start);
    if (from == 0) {
      // Text read from the right starts at the right: only its list level indents it.
      const int indents = RightToLeft ? Level : std::max(line.LineX / LevelIndent, 0);
      const int spaces = SpacesPerIndent * indents;
      buffer.AddText(std::u32string(std::size_t(spaces), U' '));
    }
    buffer.AddText(Text.substr(std::size_t(line.Start + from), std::size_t(to - from)));
    if (to == line.Count) buffer.AddText(LineBreak);
  }
}
