// Drawing a text section.
#include <algorithm>

#include "html/document/IndentManager.h"
#include "html/document/ListItems.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "platform/Canvas.h"

std::optional<TRect> TSection::LineClip(const IndentManager&, int, int, int) const {
  return std::nullopt;
}

int TSection::Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) {
  const int scrollTop = Document->ScrollTop;
  if (y + PaintHeight - scrollTop < clip.Top || y - scrollTop >= clip.Bottom) return y + FlowHeight;
  int lineY = y;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    LineRec& line = Lines[i];
    const int lineTop = lineY;
    lineY += line.TextHeight + line.SpaceAbove;
    const int baseline = lineY - line.Descent;
    if (i == 0 && ListKind != lkNone)
      DrawListMarker(canvas, *this, MarkerX + x, baseline - scrollTop,
                     lineY - line.TextHeight + line.TextHeight / 2 - scrollTop);
    line.DrawX = x + line.LineX;
    line.DrawTop = lineY - line.TextHeight;
    // Lines outside the clip are not drawn; floats hang inside the line's paint height.
    const int lineBottom = lineTop + std::max(line.Height(), line.PaintHeight);
    if (lineBottom - scrollTop >= clip.Top && lineTop - scrollTop < clip.Bottom)
      DrawLine(canvas, indent, line, x, baseline, lineY);
    lineY += line.SpaceBelow;
  }
  return y + FlowHeight;
}

void TSection::DrawLine(TCanvas& canvas, const IndentManager& indent, const LineRec& line, int x,
                        int baseline, int textBottom) {
  const TSectionList& document = *Document;
  const int scrollTop = document.ScrollTop;
  const bool selection = document.SelectionStart < document.SelectionEnd;
  const int selectStart = document.SelectionStart - FirstPos;
  const int selectEnd = document.SelectionEnd - FirstPos;
  const std::optional<TRect> clip = LineClip(indent, x, line.DrawTop - scrollTop, textBottom - scrollTop);
  int penX = line.DrawX;
  bool drewBefore = false;
  const int end = line.Start + line.Count;
  for (int pos = line.Start; pos < end;) {
    int index = 0;
    const TFontObj& run = Fonts.RunAt(pos, index);
    if (TInlineImage* image = ImageAtPos(pos)) {
      if (image->Floating()) {
        // Layout registered it at the line's top when only floats came before it, else below
        // the whole line.
        image->DrawImage(canvas, indent.LeftEdge + image->FloatOffset, run, baseline,
                         drewBefore ? textBottom + line.SpaceBelow
                                    : line.DrawTop - line.SpaceAbove);
      } else {
        image->DrawImage(canvas, penX, run, baseline, line.DrawTop);
        penX += image->ImageWidth;
        drewBefore = true;
      }
      ++pos;
      continue;
    }
    if (TInlineControl* control = ControlAtPos(pos)) {
      control->Shown = true;
      const int top = textBottom - control->Height() - scrollTop -
                      (control->OnBaseline ? line.Descent : 0);
      control->Place(penX - document.ScrollLeft, top, document.Background);
      // Layout knows x only within the control's cell; a table cell learns its own x when
      // drawn, so the place drawn is the one later placements keep.
      control->LayoutX = penX - document.PageLeft;
      penX += control->Width();
      drewBefore = true;
      ++pos;
      continue;
    }
    int chunkEnd = std::min(PieceEnd(pos), end);
    bool selected = false;
    if (selection) {
      selected = pos >= selectStart && pos < selectEnd;
      if (selected)
        chunkEnd = std::min(chunkEnd, selectEnd);
      else if (selectStart > pos)
        chunkEnd = std::min(chunkEnd, selectStart);
    }
    const std::u32string_view chunk =
        std::u32string_view(Text).substr(std::size_t(pos), std::size_t(chunkEnd - pos));
    canvas.SetFont(run.Font().Desc());
    if (selected) {
      canvas.SetBackgroundMode(bmOpaque);
      canvas.SetBackColor(run.Font().Color());
      canvas.SetTextColor(document.Background);
    } else {
      canvas.SetBackgroundMode(bmTransparent);
    }
    const int textX = penX - run.Overhang() / 2;
    const int textY = baseline + (UsesScriptOffsets() ? run.ScriptOffset() : 0) - scrollTop;
    if (clip)
      canvas.TextOutClipped(*clip, textX, textY, chunk);
    else
      canvas.TextOut(textX, textY, chunk);
    penX += run.Face().TextWidth(chunk) - run.Overhang();
    drewBefore = true;
    pos = chunkEnd;
  }
}
