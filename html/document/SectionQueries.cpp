// Point and position queries of a text section: hit testing for the caret, links and images.
#include <algorithm>
#include <string>

#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/support/Decimal.h"

const LineRec* TSection::LineAtY(int y, int& lineTop) const {
  int top = Top;
  for (const LineRec& line : Lines) {
    if (top + line.Height() > y) {
      lineTop = top;
      return &line;
    }
    top += line.Height();
  }
  return nullptr;
}

int TSection::PositionAt(TCanvas&, int x, int y, int& caretX, int& caretY, int& caretHeight,
                         TCell*&, bool& inText) {
  int lineTop = 0;
  const LineRec* line = LineAtY(y, lineTop);
  if (!line) return -1;
  caretHeight = line->TextHeight;
  caretY = lineTop + line->SpaceAbove;
  if (VisualRuns(*line)) return FirstPos + VisualPositionAt(*line, x, caretX, inText);
  caretX = line->DrawX;
  inText = true;
  if (x < line->DrawX) {
    inText = false;
    return FirstPos + line->Start;
  }
  const int offset = x - line->DrawX;
  int n = FitChars(offset, line->Start, line->Count);
  const int width = TextWidth(line->Start, n, false);
  caretX += width;
  if (n < line->Count) {
    const int next = TextWidth(line->Start + n, 1, false);
    if (width + next / 2 < offset) {
      caretX += next;
      ++n;
    }
  } else {
    inText = false;
  }
  return FirstPos + line->Start + n;
}

bool TSection::PositionToPoint(TCanvas&, int position, int& x, int& y) {
  const int length = int(Text.size());
  if (length == 0 || position >= FirstPos + length) return false;
  int rest = std::max(position - FirstPos, 0);
  int top = Top;
  for (const LineRec& line : Lines) {
    if (rest < line.Count) {
      x = VisualRuns(line) ? VisualCaretX(line, line.Start + rest)
                           : line.DrawX + TextWidth(line.Start, rest, false);
      // The top of the line's text, where PositionAt puts the caret: a word is found on the
      // line it was clicked on also when an image raises the line.
      y = top + line.SpaceAbove;
      return true;
    }
    rest -= line.Count;
    top += line.Height();
  }
  return false;
}

bool TSection::CharAt(int position, char32_t& ch, TSectionBase*& section) {
  const int index = position - FirstPos;
  if (index < 0 || index >= int(Text.size())) return false;
  ch = Text[std::size_t(index)];
  section = this;
  return true;
}

bool TSection::LinkAt(TCanvas&, int x, int y, TInlineControl*& formControl,
                      std::optional<TUrlTarget>& urlTarget) {
  int xInImage = 0, yInImage = 0;
  if (TInlineImage* image = Images.ObjectAtPoint(x, y, xInImage, yInImage)) {
    if (image->AnswersClick(xInImage, yInImage, formControl, urlTarget))
      return formControl != nullptr || urlTarget.has_value();
    int index = 0;
    const TFontObj& run = Fonts.RunAt(image->Pos, index);
    if (!run.IsLink()) return false;
    urlTarget = run.UrlTarget();
    if (image->IsMap)
      urlTarget->Url += U'?' + DecimalText(xInImage) + U',' + DecimalText(yInImage);
    return true;
  }
  int lineTop = 0;
  const LineRec* line = LineAtY(y, lineTop);
  if (!line) return false;
  int pos = -1;
  if (VisualRuns(*line)) {
    pos = VisualCharAt(*line, x);
  } else if (x >= line->DrawX) {
    const int n = FitChars(x - line->DrawX, line->Start, line->Count);
    if (n < line->Count) pos = line->Start + n;
  }
  if (pos < 0) return false;
  int index = 0;
  const TFontObj& run = Fonts.RunAt(pos, index);
  if (!run.IsLink()) return false;
  urlTarget = run.UrlTarget();
  return true;
}

bool TSection::ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage) {
  image = Images.ObjectAtPoint(x, y, xInImage, yInImage);
  return image != nullptr;
}
