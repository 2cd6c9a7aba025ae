// Line layout of a text section.
#include <algorithm>

#include "html/document/IndentManager.h"
#include "html/document/JoinedForms.h"
#include "html/document/LineBreaking.h"
#include "html/document/ScriptNeeds.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "platform/Font.h"

struct TSection::TLineLayout {
  IndentManager& Indent;
  int Y;                 // top of the line being built
  int FloatHeight = 0;   // tallest float registered on the line
  std::vector<TInlineImage*> Deferred;  // floats met after the line's first object or text
};

namespace {

// The largest n in 0..count whose first n characters measure at most available, measured
// width being the sum of the advances minus overhang; advances (from, n) gives the advances
// of n characters from from. The search doubles a count known to fit until one does not,
// then halves the gap between them, so finding the break of a line measures about log2 of
// the line's length pieces and never walks the text beyond it. When the whole text fits,
// fitWidth receives its advances, so it need not be measured again.
template <typename Advances>
int FitPrefix(const Advances& advances, int count, int overhang, int available, int& fitWidth) {
  int fit = 0;
  fitWidth = 0;  // advances of the first fit characters
  for (int step = 1; fit < count; step *= 2) {
    const int probe = std::min(step, count - fit);
    const int probeWidth = advances(fit, probe);
    if (fitWidth + probeWidth - overhang > available) {
      // The answer lies in fit .. fit + probe - 1.
      int low = fit, high = fit + probe - 1;
      while (high >= low) {
        const int mid = (low + high) / 2;
        const int width = fitWidth + advances(fit, mid + 1 - fit);
        if (width - overhang > available)
          high = mid - 1;
        else
          low = mid + 1;
      }
      return low;
    }
    fit += probe;
    fitWidth += probeWidth;
    if (step > count) step = count;  // keeps the doubling from overflowing
  }
  return fit;
}

}  // namespace

int TSection::FitChars(int width, int start, int limit) const {
  return FitLine(nullptr, width, start, limit);
}

int TSection::FitLine(TLineLayout* line, int width, int start, int limit) const {
  const int length = int(Text.size());
  limit = std::min(limit, length - start);
  int used = 0, taken = 0;
  bool empty = true;
  while (taken < limit) {
    const int pos = start + taken;
    if (TInlineImage* image = ImageAtPos(pos)) {
      if (!image->Floating()) {
        used += image->ImageWidth;
        empty = false;
      } else if (!line) {
        // Drawn floats stand beside the text, not in it.
      } else if (empty) {
        // A float is registered only once the line takes it. One that does not fit after the
        // floats this line took starts the next line; as a line's first character it is taken
        // whatever its width, since every line takes at least one.
        const int room = image->ImageWidth + image->HSpace;
        if (taken > 0 && used + room > width) break;
        line->Indent.AddFloatImage(line->Y, *image);
        line->FloatHeight = std::max(line->FloatHeight, image->ImageHeight);
        used += room;
      } else {
        line->Deferred.push_back(image);
      }
      if (used > width) break;
      ++taken;
    } else if (const TInlineControl* control = ControlAtPos(pos)) {
      used += control->Width();
      empty = false;
      if (used > width) break;
      ++taken;
    } else {
      const int pieceEnd = std::min(PieceEnd(pos), start + limit);
      int index = 0;
      const TFontObj& run = Fonts.RunAt(pos, index);
      const int pieceLength = pieceEnd - pos;
      TFontFace& face = run.Face();
      const auto advances = [&](int from, int count) {
        return GlyphsWidth(face, pos + from, count);
      };
      int pieceWidth = 0;
      const int fit = FitPrefix(advances, pieceLength, run.Overhang(), width - used, pieceWidth);
      taken += fit;
      if (fit < pieceLength) break;
      used += pieceWidth - run.Overhang();
      empty = false;
    }
  }
  return std::min(taken, limit);
}

void TSection::FindScriptNeeds() {
  AnalysedLength = int(Text.size());
  // No character of code page 1252 needs anything (SectionTextTest checks this).
  if (Text.Form() == TSectionText::tfByte && !RightToLeft) {
    Scripts.reset();
    return;
  }
  const std::u32string text = Text.str();
  const TScriptNeeds needs = ScriptNeedsOf(text);
  if (!needs.BreakRules && !needs.RightToLeft && !needs.Joining && !RightToLeft) {
    Scripts.reset();
    return;
  }
  Scripts = std::make_unique<TScriptLayout>();
  if (needs.BreakRules) {
    // A section not yet in a document breaks its lines with an iterator of its own.
    TLineBreaker own;
    Scripts->RuleBreakAt = (Document ? Document->LineBreaker : own).RuleBreaks(text);
  }
  if (needs.Joining) Scripts->JoinedText = JoinedForms(text);
  Scripts->Reorders = needs.RightToLeft || RightToLeft;
}

void TSection::ReorderLines() {
  Scripts->LineRuns.clear();
  if (!Scripts->Reorders) return;
  std::vector<TLineSpan> spans;
  spans.reserve(Lines.size());
  for (const LineRec& line : Lines) spans.push_back({line.Start, line.Count});
  Scripts->LineRuns = ::ReorderLines(Text.str(), RightToLeft, spans);
}

int TSection::FreeWidth(const IndentManager& indent, int y) const {
  return indent.RightLimit(y) - indent.LeftIndent(y);
}

int TSection::ClearHeight(const IndentManager& indent, int y) const {
  if (ClearKind == ckNone) return 0;
  int left = 0, right = 0;
  indent.ClearBottoms(left, right);
  const int bottom = ClearKind == ckLeft ? left : ClearKind == ckRight ? right : std::max(left, right);
  return std::max(bottom - y - 1, 0);
}

int TSection::Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  Top = y;
  FirstPos = curs;
  FlowHeight = 0;
  Lines.clear();
  indent.SetLevel(y, Level);
  const int length = int(Text.size());
  PosCount = length;
  const int clearHeight = ClearHeight(indent, y);
  if (length == 0) {
    FlowHeight = PaintHeight = clearHeight;
    maxWidth = 0;
    return FlowHeight;
  }
  MarkerX = indent.LeftIndent(y);
  maxWidth = indent.Width;
  const int freeAtTop = indent.RightLimit(y) - indent.LeftIndent(y);
  for (const auto& image : Images) {
    int index = 0;
    image->ComputeSize(*Document, canvas, freeAtTop, Fonts.RunAt(image->Pos, index));
    maxWidth = std::max(maxWidth, image->ImageWidth + Indent);
  }
  for (const TInlineControl* control : FormControls)
    maxWidth = std::max(maxWidth, control->Width() + Indent);

  AnalyseText();
  const auto isSpace = [&](int pos) { return Text[std::size_t(pos)] == U' ' && !ObjectAt(pos); };
  const auto isBreak = [&](int pos) {
    return isSpace(pos) || ObjectAt(pos) || Text[std::size_t(pos)] == BreakOpportunity;
  };
  TLineLayout line{indent, y, 0, {}};
  if (clearHeight > 0) {
    LineRec clear;
    clear.TextHeight = clear.PaintHeight = clearHeight;
    clear.LineX = indent.LeftIndent(y);
    Lines.push_back(clear);
    FlowHeight += clearHeight;
    line.Y += clearHeight;
  }
  for (int pos = 0; pos < length;) {
    line.FloatHeight = 0;
    line.Deferred.clear();
    if (const TInlineImage* image = ImageAtPos(pos); image && image->Floating())
      MoveBelowFloats(line, image->ImageWidth + image->HSpace);
    const int remaining = length - pos;
    const int fit = std::max(FitLine(&line, FreeWidth(indent, line.Y), pos, remaining), 1);
    int count = fit;
    if (fit < remaining) {
      const int last = pos + fit - 1;
      if (isSpace(last)) {
        while (pos + count < length && isSpace(pos + count)) ++count;
      } else if (!ObjectAt(pos + fit)) {
        // Back to the last space or object that fits, or to a place where the Unicode rules
        // break the line; those may leave a single character on it.
        int back = last;
        while (back > pos && !isBreak(back) && !RuleBreak(back + 1)) --back;
        if (back > pos || RuleBreak(back + 1)) {
          count = back - pos + 1;
        } else {
          // A word longer than the line: it stays whole and overflows to the right.
          int end = pos + 1;
          while (end < length && !isBreak(end) && !RuleBreak(end)) ++end;
          while (end < length && isSpace(end)) ++end;
          count = end - pos;
        }
      }
    }
    FinishLine(line, count);
    pos += count;
  }
  if (Scripts) ReorderLines();
  // Lines are rebuilt by every layout, mostly to the same count; room left beyond a quarter
  // of them is given back.
  if (Lines.capacity() - Lines.size() > Lines.size() / 4) Lines.shrink_to_fit();
  curs = FirstPos + length;
  if (Level > 0) FlowHeight = std::max(FlowHeight, indent.LevelFloatBottom() - Top);
  PaintHeight = std::max(FlowHeight, indent.FloatBottom() - Top);
  return FlowHeight;
}

void TSection::MoveBelowFloats(TLineLayout& line, int room) {
  // Down past the floats beside the line, one bottom at a time, until room fits or no float
  // is left beside it; the gap is an empty line.
  int gap = 0;
  while (room > FreeWidth(line.Indent, line.Y + gap)) {
    const int bottom = line.Indent.NextFloatBottom(line.Y + gap);
    if (bottom < 0) break;
    gap = bottom - line.Y;
  }
  if (gap == 0) return;
  LineRec rec;
  rec.Start = Lines.empty() ? 0 : Lines.back().Start + Lines.back().Count;
  rec.TextHeight = rec.PaintHeight = gap;
  rec.LineX = line.Indent.LeftIndent(line.Y);
  Lines.push_back(rec);
  FlowHeight += gap;
  line.Y += gap;
}

void TSection::FinishLine(TLineLayout& line, int count) {
  LineRec rec;
  rec.Start = Lines.empty() ? 0 : Lines.back().Start + Lines.back().Count;
  const int start = rec.Start, end = start + count;
  const std::size_t firstImage = Images.FirstAtOrAfter(start), endImage = Images.FirstAtOrAfter(end);
  const std::size_t firstControl = FormControls.FirstAtOrAfter(start),
                    endControl = FormControls.FirstAtOrAfter(end);
  const int objects = int(endImage - firstImage + endControl - firstControl);
  if (count > objects) {
    int index = 0;
    Fonts.RunAt(start, index);
    for (std::size_t i = std::size_t(index); i < Fonts.Count() && Fonts[i].Pos < end; ++i) {
      rec.TextHeight = std::max(rec.TextHeight, Fonts[i].LineHeight());
      rec.Descent = std::max(rec.Descent, Fonts[i].Descent());
    }
  }
  const int textHeight = rec.TextHeight;
  for (std::size_t i = firstImage; i < endImage; ++i) {
    const TInlineImage& image = Images[i];
    const int rise = image.ImageHeight - textHeight;
    switch (image.Align) {
      case iaTop: rec.SpaceBelow = std::max(rec.SpaceBelow, rise); break;
      case iaMiddle:
        rec.SpaceBelow = std::max(rec.SpaceBelow, rise / 2);
        rec.SpaceAbove = std::max(rec.SpaceAbove, rise - rise / 2);
        break;
      case iaBottom: rec.SpaceAbove = std::max(rec.SpaceAbove, rise + rec.Descent); break;
      case iaLeft:
      case iaRight: break;
    }
  }
  for (std::size_t i = firstControl; i < endControl; ++i) {
    TInlineControl& control = FormControls[i];
    const int rise = control.Height() - textHeight + (control.OnBaseline ? rec.Descent : 0);
    rec.SpaceAbove = std::max(rec.SpaceAbove, rise);
    control.YValue = line.Y;
  }
  rec.Count = count;
  const int left = line.Indent.LeftIndent(line.Y), right = line.Indent.RightLimit(line.Y);
  rec.LineX = left;
  if (Justify == jCentre)
    rec.LineX = std::max(left, (left + right - TextWidth(start, count, true)) / 2);
  else if (Justify == jRight)
    rec.LineX = right - TextWidth(start, count, true) - 1;
  // Where the windows go, so that they can be placed without drawing the line.
  for (std::size_t i = firstControl; i < endControl; ++i) {
    TInlineControl& control = FormControls[i];
    control.LayoutX = rec.LineX + TextWidth(start, control.Pos - start, false);
    control.LayoutTop = line.Y + rec.SpaceAbove + rec.TextHeight - control.Height() -
                        (control.OnBaseline ? rec.Descent : 0);
  }
  const int height = rec.Height();
  rec.PaintHeight = std::max(height, line.FloatHeight);
  FlowHeight += height;
  line.Y += height;
  for (TInlineImage* image : line.Deferred) {
    line.Indent.AddFloatImage(line.Y, *image);
    rec.PaintHeight = std::max(rec.PaintHeight, height + image->ImageHeight);
  }
  Lines.push_back(rec);
}
