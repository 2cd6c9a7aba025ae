// Lines in drawing order: where the characters of a line that holds right-to-left text stand
// when drawn, for hit testing and caret placement. Layout keeps storage order; these map
// between the two.
#include <functional>

#include "html/document/Section.h"

const std::vector<TVisualRun>* TSection::VisualRuns(const LineRec& line) const {
  if (!Scripts) return nullptr;
  const std::size_t index = std::size_t(&line - Lines.data());
  const auto& lineRuns = Scripts->LineRuns;
  if (index >= lineRuns.size() || lineRuns[index].empty()) return nullptr;
  return &lineRuns[index];
}

std::u32string TSection::VisualText(const LineRec& line) const {
  const std::vector<TVisualRun>* runs = VisualRuns(line);
  if (!runs) return Text.substr(std::size_t(line.Start), std::size_t(line.Count));
  std::u32string shown;
  shown.reserve(std::size_t(line.Count));
  for (const TVisualRun& run : *runs) {
    const std::u32string part = Text.substr(std::size_t(run.Start), std::size_t(run.Count));
    if (!run.RightToLeft) {
      shown += part;
      continue;
    }
    for (auto ch = part.rbegin(); ch != part.rend(); ++ch) shown += MirroredChar(*ch);
  }
  return shown;
}

int TSection::VisualLeft(const LineRec& line) const {
  if (!RightToLeft) return line.DrawX;
  return line.DrawX - (TextWidth(line.Start, line.Count, false) -
                       TextWidth(line.Start, line.Count, true));
}

bool TSection::WalkVisual(const LineRec& line,
                          const std::function<bool(const TVisualChar&)>& visit) const {
  const std::vector<TVisualRun>* runs = VisualRuns(line);
  if (!runs) return false;
  int left = 0;
  for (const TVisualRun& run : *runs) {
    for (int i = 0; i < run.Count; ++i) {
      const int pos = run.RightToLeft ? run.Start + run.Count - 1 - i : run.Start + i;
      const int width = TextWidth(pos, 1, false);
      if (visit({pos, left, width, run.RightToLeft})) return true;
      left += width;
    }
  }
  return false;
}

int TSection::VisualCharAt(const LineRec& line, int x) const {
  const int offset = x - VisualLeft(line);
  int found = -1;
  WalkVisual(line, [&](const TVisualChar& ch) {
    if (offset < ch.Left) return true;
    if (offset < ch.Left + ch.Width) found = ch.Pos;
    return found >= 0;
  });
  return found;
}

int TSection::VisualPositionAt(const LineRec& line, int x, int& caretX, bool& inText) const {
  const int left = VisualLeft(line);
  const int offset = x - left;
  int position = line.Start;
  caretX = left;
  inText = false;
  // Left of the line the caret stands at its left end, right of it at its right end: before
  // or after the character there, as it reads.
  bool first = true;
  WalkVisual(line, [&](const TVisualChar& ch) {
    if (first && offset < 0) {
      position = ch.RightToLeft ? ch.Pos + 1 : ch.Pos;
      return true;
    }
    first = false;
    if (offset >= ch.Left + ch.Width) {
      caretX = left + ch.Left + ch.Width;
      position = ch.RightToLeft ? ch.Pos : ch.Pos + 1;
      return false;
    }
    inText = true;
    // The half where the character's reading starts (its left half, or its right half in
    // right-to-left text; the middle counts to it) puts the caret before it.
    const int fromStart = ch.RightToLeft ? ch.Left + ch.Width - 1 - offset : offset - ch.Left;
    const bool before = fromStart <= ch.Width / 2;
    caretX = left + ch.Left + (before != ch.RightToLeft ? 0 : ch.Width);
    position = before ? ch.Pos : ch.Pos + 1;
    return true;
  });
  return position;
}

int TSection::VisualCaretX(const LineRec& line, int pos) const {
  const int left = VisualLeft(line);
  int x = left;
  WalkVisual(line, [&](const TVisualChar& ch) {
    if (ch.Pos != pos) return false;
    x = left + ch.Left + (ch.RightToLeft ? ch.Width : 0);
    return true;
  });
  return x;
}
