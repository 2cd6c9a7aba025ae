#pragma once
// Tables built from HTML on the headless platform and laid out there. Numbers worked out by
// hand: the default font is 16 pixels high and every character advances 8 pixels; a cell's
// allowance is 2 x CellPadding + CellSpacing (4 by default, 0 with both set to 0).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "html/builder/Builder.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/tables/Table.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

class TableTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  TSectionList Document{Graphics};
  TAnchorList Anchors;
  TDocumentHead Head;
  TBitmap Surface{400, 300};
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);
  std::vector<std::string> Errors;

  void SetUp() override {
    Document.OnProcessError = [this](const std::string& message) { Errors.push_back(message); };
    Document.OnSectionDropped = [this](const TSectionBase& section) {
      Anchors.RemoveWithin(section);
    };
  }

  // Builds html and lays it out for width; returns the height.
  int Build(std::string_view html, int width = 600) {
    ParseHtmlBuffer(Document, Anchors, html, {}, nullptr, {}, {}, {}, Head);
    return Arrange(width);
  }
  int Arrange(int width) {
    int maxWidth = 0, curs = 0;
    return Document.Arrange(*Canvas, 0, width, maxWidth, curs);
  }
  void Render() {
    Surface.Fill(clWhite);
    Document.Render(*Canvas, {0, 0, Surface.Width(), Surface.Height()}, Surface.Width(), 0, 0);
  }

  // The index-th table among the document's top-level sections.
  ThtmlTable& Table(std::size_t index = 0) const { return TableIn(Document, index); }
  static ThtmlTable& TableIn(const TCell& cell, std::size_t index = 0) {
    for (const auto& section : cell)
      if (auto* table = dynamic_cast<ThtmlTable*>(section.get()); table && index-- == 0)
        return *table;
    throw std::logic_error("no such table");
  }
  // The first NumCols widths.
  static std::vector<int> WidthsOf(const ThtmlTable& table) {
    return {table.Widths.begin(), table.Widths.begin() + table.NumCols};
  }
  static std::vector<int> PercentsOf(const ThtmlTable& table) {
    return {table.Percents.begin(), table.Percents.begin() + table.NumCols};
  }
  // The slots of a row as their column spans (0 for a filler).
  static std::vector<int> Spans(const ThtmlTable& table, std::size_t row) {
    std::vector<int> spans;
    for (const auto& cell : table.Rows[row]->Cells) spans.push_back(cell->ColSpan);
    return spans;
  }
  static TCell& CellAt(const ThtmlTable& table, std::size_t row, std::size_t slot) {
    return table.Rows[row]->Cells[slot]->Cell;
  }
  // The text of the first section of a cell.
  static std::u32string TextOf(const TCell& cell) {
    for (const auto& section : cell)
      if (auto* text = dynamic_cast<TSection*>(section.get()); text && !text->Text.empty())
        return text->Text.str();
    return {};
  }
};
