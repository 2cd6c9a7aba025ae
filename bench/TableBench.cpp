// Times table pages: a table of 2,000 rows with row and column spans, and a page of tables
// nested four deep. For each: parsing, layout for an 800-pixel window and the first screen,
// median of several runs in milliseconds, and the number of cells.
//   bench_tables [--qt]

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/BenchGraphics.h"
#include "bench/PageStages.h"
#include "html/tables/Table.h"

namespace {

// 2,000 rows of five columns; every tenth row starts a cell spanning three rows and every
// seventh a cell spanning two columns.
std::string SpanningTable() {
  std::string html = "<table border=1 width=100%>";
  for (int row = 0; row < 2000; ++row) {
    html += "<tr>";
    int columns = row % 10 >= 1 && row % 10 <= 2 ? 4 : 5;  // the rows under a row span
    for (int c = 0; c < columns; ++c) {
      if (row % 10 == 0 && c == 0)
        html += "<td rowspan=3 bgcolor=#eeeeff>spanning rows " + std::to_string(row);
      else if (row % 7 == 0 && c == 1 && columns == 5)
        html += "<td colspan=2>two columns of text in row " + std::to_string(row), ++c;
      else
        html += "<td>cell " + std::to_string(row) + "." + std::to_string(c) + " with a few words";
    }
  }
  return html + "</table>";
}

// 200 blocks, each a table holding a table holding a table holding a table, with text and
// links at every level.
std::string NestedTables() {
  std::string html;
  for (int block = 0; block < 200; ++block) {
    std::string inner = "deepest cell <a href=\"x.htm\">link</a> " + std::to_string(block);
    for (int depth = 0; depth < 4; ++depth)
      inner = "<table border=1 cellpadding=2><tr><td>level " + std::to_string(depth) +
              " text that wraps over a line or two<td>" + inner +
              "<tr><td colspan=2 align=center>a footer row</table>";
    html += "<p>Block " + std::to_string(block) + inner;
  }
  return html;
}

// Counts the cell contents laid out by one page layout.
int CellLayouts(const TCell& cell) {
  int count = 0;
  for (const auto& section : cell)
    if (const auto* table = dynamic_cast<const ThtmlTable*>(section.get()))
      for (const auto& row : table->Rows)
        for (const auto& each : row->Cells)
          if (!each->IsFiller()) count += 1 + CellLayouts(each->Cell);
  return count;
}

void Measure(TGraphicsFactory& graphics, const char* name, const std::string& html) {
  int cells = 0;
  const TPageStages stages = TimePageStages(
      graphics,
      [&](TSectionList& document, TAnchorList& anchors, TDocumentHead& head) {
        ParseHtmlBuffer(document, anchors, html, {}, nullptr, {}, {}, {}, head);
      },
      [&](const TSectionList& document) { cells = CellLayouts(document); });
  std::printf("%-26s parse %6.1f ms  layout %6.1f ms  first screen %5.1f ms  (height %d, %d cells)\n",
              name, stages.Parse, stages.Layout, stages.Draw, stages.Height, cells);
}

}  // namespace

int main(int argc, char** argv) {
  bool qt = argc > 1 && std::strcmp(argv[1], "--qt") == 0;
  return RunOnGraphics(qt, argc, argv, "bench_tables", [&](TGraphicsFactory& graphics) {
    Measure(graphics, "2,000 rows with spans", SpanningTable());
    Measure(graphics, "tables nested four deep", NestedTables());
  });
}
