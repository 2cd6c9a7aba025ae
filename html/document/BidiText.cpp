#include "html/document/BidiText.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <memory>

#include "html/document/Utf16Text.h"

namespace {

// The first character of the right-to-left scripts: nothing below it is drawn right to left.
constexpr char32_t FirstRightToLeftChar = 0x0590;

struct TBidiClose {
  void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};
using TBidiPtr = std::unique_ptr<UBiDi, TBidiClose>;

}  // namespace

bool StartsRightToLeft(char32_t ch) {
  if (ch < FirstRightToLeftChar || ch > 0x10FFFF) return false;
  switch (u_charDirection(UChar32(ch))) {
    case U_RIGHT_TO_LEFT:
    case U_RIGHT_TO_LEFT_ARABIC:
    case U_RIGHT_TO_LEFT_EMBEDDING:
    case U_RIGHT_TO_LEFT_OVERRIDE:
    case U_RIGHT_TO_LEFT_ISOLATE:
      return true;
    default:
      return false;
  }
}

namespace {

// The algorithm's cost grows faster than the text on some input (unmatched brackets make it
// quadratic), so it never reads more than this many characters at once: a longer paragraph is
// resolved a few whole lines at a time, and a longer line a piece at a time.
constexpr int MaxResolved = 4096;

// Resolves pieces of one text and gives the runs of the lines in them.
class TReorderer {
 public:
  TReorderer(std::u32string_view text, bool rightToLeft)
      : Units(text), RightToLeft(rightToLeft), Paragraph(ubidi_open()), Line(ubidi_open()) {}

  // The runs of the lines spans[from, to), which together hold at most MaxResolved characters,
  // resolved as one paragraph.
  bool Lines(const std::vector<TLineSpan>& spans, std::size_t from, std::size_t to,
             std::vector<std::vector<TVisualRun>>& result) {
    const int first = Units.UnitOf(spans[from].Start);
    const int last = Units.UnitOf(spans[to - 1].Start + spans[to - 1].Count);
    if (!Resolve(first, last)) return false;
    for (std::size_t i = from; i < to; ++i) {
      if (spans[i].Count <= 0) continue;
      const int lineFirst = Units.UnitOf(spans[i].Start) - first;
      const int lineLast = Units.UnitOf(spans[i].Start + spans[i].Count) - first;
      if (!RunsOf(lineFirst, lineLast, first, result[i])) return false;
    }
    return true;
  }

  // The runs of one line longer than MaxResolved: each piece of it resolved on its own, the
  // pieces placed side by side in the base direction.
  bool LongLine(const TLineSpan& span, std::vector<TVisualRun>& runs) {
    std::vector<std::vector<TVisualRun>> pieces;
    for (int start = span.Start; start < span.Start + span.Count; start += MaxResolved) {
      const int end = std::min(start + MaxResolved, span.Start + span.Count);
      const int first = Units.UnitOf(start), last = Units.UnitOf(end);
      if (!Resolve(first, last)) return false;
      if (!RunsOf(0, last - first, first, pieces.emplace_back())) return false;
    }
    if (RightToLeft) std::reverse(pieces.begin(), pieces.end());
    for (const auto& piece : pieces) runs.insert(runs.end(), piece.begin(), piece.end());
    return true;
  }

 private:
  bool Resolve(int first, int last) {
    if (!Paragraph || !Line) return false;
    UErrorCode status = U_ZERO_ERROR;
    ubidi_setPara(Paragraph.get(), Units.Units().data() + first, last - first,
                  RightToLeft ? UBIDI_RTL : UBIDI_LTR, nullptr, &status);
    return U_SUCCESS(status);
  }

  // The runs of the resolved paragraph's units [lineFirst, lineLast), whose paragraph starts
  // at unit offset of the text.
  bool RunsOf(int lineFirst, int lineLast, int offset, std::vector<TVisualRun>& runs) {
    UErrorCode status = U_ZERO_ERROR;
    ubidi_setLine(Paragraph.get(), lineFirst, lineLast, Line.get(), &status);
    const int count = ubidi_countRuns(Line.get(), &status);
    if (U_FAILURE(status)) return false;
    runs.reserve(std::size_t(count));
    for (int run = 0; run < count; ++run) {
      int start = 0, length = 0;
      const UBiDiDirection direction = ubidi_getVisualRun(Line.get(), run, &start, &length);
      start += offset + lineFirst;
      const int from = Units.CharOf(start), to = Units.CharOf(start + length);
      runs.push_back({from, to - from, direction == UBIDI_RTL});
    }
    return true;
  }

  TUtf16Text Units;
  bool RightToLeft;
  TBidiPtr Paragraph, Line;
};

}  // namespace

std::vector<std::vector<TVisualRun>> ReorderLines(std::u32string_view text, bool rightToLeft,
                                                  const std::vector<TLineSpan>& lines) {
  std::vector<std::vector<TVisualRun>> result(lines.size());
  TReorderer reorderer(text, rightToLeft);
  bool failed = false;
  for (std::size_t from = 0; from < lines.size() && !failed;) {
    if (lines[from].Count > MaxResolved) {
      failed = !reorderer.LongLine(lines[from], result[from]);
      ++from;
      continue;
    }
    // As many whole lines as the bound allows.
    std::size_t to = from + 1;
    int count = lines[from].Count;
    while (to < lines.size() && count + lines[to].Count <= MaxResolved) count += lines[to++].Count;
    failed = !reorderer.Lines(lines, from, to, result);
    from = to;
  }
  // A failure leaves the lines it did not reach in storage order.
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (result[i].empty() && lines[i].Count > 0)
      result[i].assign(1, {lines[i].Start, lines[i].Count, false});
  return result;
}

char32_t MirroredChar(char32_t ch) {
  if (ch > 0x10FFFF) return ch;
  return char32_t(u_charMirror(UChar32(ch)));
}
