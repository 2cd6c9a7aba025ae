#include "tools/dump/TableJson.h"

#include "html/tables/Table.h"

namespace {

TJson FirstColumns(const std::array<int, MaxTableColumns + 1>& values, int count) {
  TJson list = TJson::MakeArray();
  for (int k = 0; k < count; ++k) list.Push(values[std::size_t(k)]);
  return list;
}

TJson CellJson(const TCellObj& cell, const std::function<TJson(const TCell&)>& sections) {
  return TJson::MakeObject()
      .Set("colSpan", cell.ColSpan)
      .Set("rowSpan", cell.RowSpan)
      .Set("wd", cell.Wd)
      .Set("ht", cell.Ht)
      .Set("vSize", cell.VSize)
      .Set("specHt", cell.SpecHt)
      .Set("specWd", cell.SpecWd)
      .Set("percentWd", cell.PercentWd)
      .Set("yIndent", cell.YIndent)
      .Set("vAlign", cell.VAlign)
      .Set("background",
           cell.Cell.HasBackground ? TJson(ColorString(cell.Cell.BackgroundColor)) : TJson())
      .Set("sections", sections(cell.Cell));
}

}  // namespace

void AddTableFields(TJson& json, const ThtmlTable& table,
                    const std::function<TJson(const TCell&)>& sections) {
  json.Set("numCols", table.NumCols)
      .Set("widths", FirstColumns(table.Widths, table.NumCols))
      .Set("percents", FirstColumns(table.Percents, table.NumCols))
      .Set("tableWidth", table.TableWidth)
      .Set("totalWidth", table.TotalWidth)
      .Set("tableHeight", table.TableHeight)
      .Set("captionHeight", table.CaptionHeight)
      .Set("cellSpacing", table.CellSpacing)
      .Set("cellPadding", table.CellPadding)
      .Set("captionOnTop", table.CaptionOnTop)
      .Set("floating", table.Floating)
      .Set("justify", table.Justify)
      .Set("tableLeft", table.TableLeft)
      .Set("tableIndent", table.TableIndent)
      .Set("hasBorder", table.HasBorder);
  TJson rows = TJson::MakeArray();
  for (const auto& row : table.Rows) {
    TJson cells = TJson::MakeArray();
    for (const auto& cell : row->Cells) cells.Push(CellJson(*cell, sections));
    rows.Push(TJson::MakeObject()
                  .Set("rowHeight", row->RowHeight)
                  .Set("rowSpanHeight", row->RowSpanHeight)
                  .Set("hasBgColor", row->HasBgColor)
                  .Set("bgColor", ColorString(row->BgColor))
                  .Set("cells", std::move(cells)));
  }
  json.Set("rows", std::move(rows));
  json.Set("caption", TJson::MakeObject().Set("sections", sections(table.Caption->Cell)));
}
