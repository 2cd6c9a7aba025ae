// Drawing a text section.
#include <algorithm>
#include <span>
#include <string>

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
    line.DrawX = x + line.LineX;
    if (i == 0 && ListKind != lkNone) {
      // A list read right to left hangs its marker right of the first line's text.
      const int markerX =
          RightToLeft ? line.DrawX + TextWidth(line.Start, line.Count, true) : MarkerX + x;
      DrawListMarker(canvas, *this, markerX, baseline - scrollTop,
                     lineY - line.TextHeight + line.TextHeight / 2 - scrollTop);
    }
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
  bool drewBefore = false;

  // A piece ends at the next run start, object or selection boundary, and never beyond end.
  const auto pieceEnd = [&](int pos, int end) {
    if (ObjectAt(pos)) return pos + 1;
    int last = std::min(PieceEnd(pos), end);
    if (selection) {
      if (pos >= selectStart && pos < selectEnd)
        last = std::min(last, selectEnd);
      else if (selectStart > pos)
        last = std::min(last, selectStart);
    }
    return last;
  };
  // Draws the piece pos .. last at penX and moves penX past it; in right-to-left text the
  // characters go from the last to the first, mirrored.
  const TRect visible = canvas.ClipRect();
  int penX = line.DrawX;
  const auto drawPiece = [&](int pos, int last, bool rightToLeft) {
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
      return;
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
      return;
    }
    const int width = GlyphsWidth(run.Face(), pos, last - pos) - run.Overhang();
    const int textX = penX - run.Overhang() / 2;
    penX += width;
    drewBefore = true;
    // A piece wholly beside the surface is only stepped over (a glyph may reach a line height
    // beyond its advance), so a line far wider than the window, in many pieces, costs little
    // more than what shows of it.
    const int reach = run.LineHeight();
    if (textX + width + reach < visible.Left || textX - reach >= visible.Right) return;
    const bool selected = selection && pos >= selectStart && pos < selectEnd;
    std::u32string chunk = GlyphsAt(pos, last - pos);
    if (rightToLeft) {
      std::reverse(chunk.begin(), chunk.end());
      for (char32_t& ch : chunk) ch = MirroredChar(ch);
    }
    canvas.SetFont(run.Font().Desc());
    if (selected) {
      canvas.SetBackgroundMode(bmOpaque);
      canvas.SetBackColor(run.Font().Color());
      canvas.SetTextColor(document.Background);
    } else {
      canvas.SetBackgroundMode(bmTransparent);
    }
    const int textY = baseline + (UsesScriptOffsets() ? run.ScriptOffset() : 0) - scrollTop;
    if (clip)
      canvas.TextOutClipped(*clip, textX, textY, chunk);
    else
      canvas.TextOut(textX, textY, chunk);
  };

  // A line drawn as stored is one run, left to right.
  const std::vector<TVisualRun>* reordered = VisualRuns(line);
  const TVisualRun whole{line.Start, line.Count, false};
  const std::span<const TVisualRun> runs =
      reordered ? std::span<const TVisualRun>(*reordered) : std::span<const TVisualRun>(&whole, 1);
  if (reordered) penX = VisualLeft(line);
  std::vector<int> starts;
  for (const TVisualRun& run : runs) {
    const int end = run.Start + run.Count;
    if (!run.RightToLeft) {
      for (int pos = run.Start; pos < end;) {
        const int last = pieceEnd(pos, end);
        drawPiece(pos, last, false);
        pos = last;
      }
      continue;
    }
    starts.clear();
    for (int pos = run.Start; pos < end; pos = pieceEnd(pos, end)) starts.push_back(pos);
    for (std::size_t i = starts.size(); i-- > 0;)
      drawPiece(starts[i], i + 1 < starts.size() ? starts[i + 1] : end, true);
  }
}
