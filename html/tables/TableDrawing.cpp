// Drawing a table: captions, cell backgrounds and contents, 3-D frames and the border colour
// in the spacing between cells.
#include <optional>

#include "html/document/SectionList.h"
#include "html/tables/Table.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "platform/Region.h"

void Draw3DFrame(TCanvas& canvas, const TSectionList& document, int left, int top, int right,
                 int bottom, bool raised) {
  const TColor background = document.Background;
  const bool whitePage =
      (!IsSystemColor(background) && (background & 0xFFFFFF) == 0xFFFFFF) ||
      (background == clWindow && document.Graphics.SystemColors().Resolve(clWindow) == clWhite);
  const TColor light = whitePage ? clSilver : clBtnHighlight;
  canvas.SetPen(raised ? light : clBtnShadow);
  canvas.MoveTo(left, bottom);
  canvas.LineTo(left, top);
  canvas.LineTo(right, top);
  canvas.SetPen(raised ? clBtnShadow : light);
  canvas.LineTo(right, bottom);
  canvas.LineTo(left, bottom);
}

int ThtmlTable::Render(TCanvas& canvas, const TRect& clip, IndentManager&, int x, int y) {
  // Everything below is worked out in document coordinates; ScrollTop is subtracted where a
  // rectangle meets the canvas (Canvas.h), and the clip is in the canvas's coordinates.
  const int scrollTop = Document->ScrollTop;
  const auto onCanvas = [scrollTop](const TRect& rect) { return rect.Offset(0, -scrollTop); };
  const TRect view = clip.Offset(0, scrollTop);  // the clip in document coordinates
  if (y + PaintHeight < view.Top || y >= view.Bottom) return y + FlowHeight;
  DrawX = x + TableLeft;
  DrawY = y;
  const int captionX = x + TableIndent;
  int bodyTop = y;
  if (CaptionOnTop) {
    Caption->Cell.Render(canvas, clip, TotalWidth, captionX, y);
    bodyTop += CaptionHeight;
  }

  // The spacing between and around the cells: the body less every drawn cell's box, kept to
  // the rows the clip shows.
  std::optional<TRegion> spacing;
  if (HasBorderColor) {
    const int top = std::max(bodyTop, view.Top), bottom = std::min(bodyTop + TableHeight, view.Bottom);
    spacing = TRegion::Rectangle(onCanvas({DrawX, top, DrawX + TableWidth, bottom}));
  }
  int rowTop = bodyTop;
  int rowsHeight = 0;
  for (const auto& row : Rows) {
    const bool visible = rowTop + row->RowSpanHeight >= view.Top && rowTop < view.Bottom;
    int columnX = DrawX;
    for (std::size_t c = 0; visible && c < row->Cells.size(); ++c) {
      TCellObj& cell = *row->Cells[c];
      const int slotX = columnX;
      columnX += Widths[c];
      // An empty cell shows neither background nor border.
      if (cell.IsFiller() || cell.Cell.Count() == 0) continue;
      const TRect box{slotX + CellSpacing, rowTop + CellSpacing, slotX + cell.Wd, rowTop + cell.Ht};
      const TRect shown = onCanvas(box);
      if (cell.Cell.HasBackground) {
        canvas.SetBrush(cell.Cell.BackgroundColor);
        canvas.FillRect(shown);
      }
      cell.Cell.Render(canvas, clip, ContentWidthOf(cell), box.Left + CellPadding,
                       box.Top + CellPadding + cell.YIndent);
      if (HasBorder)
        Draw3DFrame(canvas, *Document, shown.Left - 1, shown.Top - 1, shown.Right, shown.Bottom, false);
      if (spacing) {
        const int grow = HasBorder ? 1 : 0;
        spacing->Subtract(TRegion::Rectangle(
            {shown.Left - grow, shown.Top - grow, shown.Right + grow, shown.Bottom + grow}));
      }
    }
    rowTop += row->RowHeight;
    rowsHeight += row->RowHeight;
  }
  if (spacing) {
    canvas.SetBrush(BorderColor);
    canvas.FillRegion(*spacing);
  }
  if (HasBorder) {
    const TRect frame = onCanvas({DrawX, bodyTop, DrawX + TableWidth - 1, bodyTop + rowsHeight + CellSpacing - 1});
    Draw3DFrame(canvas, *Document, frame.Left, frame.Top, frame.Right, frame.Bottom, true);
  }
  if (!CaptionOnTop)
    Caption->Cell.Render(canvas, clip, TotalWidth, captionX, bodyTop + TableHeight);
  return y + FlowHeight;
}
