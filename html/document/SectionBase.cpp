#include "html/document/SectionBase.h"

#include "html/document/IndentManager.h"

int TSectionBase::Arrange(TCanvas&, int y, IndentManager& indent, int& maxWidth, int& curs) {
  Top = y;
  FirstPos = curs;
  PaintHeight = FlowHeight;
  maxWidth = indent.Width;
  return FlowHeight;
}

int TSectionBase::Render(TCanvas&, const TRect&, IndentManager&, int, int y) {
  Top = y;
  return y + FlowHeight;
}

bool TSectionBase::LinkAt(TCanvas&, int, int, TInlineControl*&, std::optional<TUrlTarget>&) {
  return false;
}

bool TSectionBase::ImageAt(int, int, TInlineImage*&, int&, int&) { return false; }

int TSectionBase::PositionAt(TCanvas&, int, int, int&, int&, int&, TCell*&, bool&) { return -1; }

int TSectionBase::SearchText(int, std::u32string_view, bool) { return -1; }

bool TSectionBase::PositionToPoint(TCanvas&, int, int&, int&) { return false; }

bool TSectionBase::CharAt(int, char32_t&, TSectionBase*&) { return false; }

void TSectionBase::RefreshFonts() { UpdateSpacing(); }

void TSectionBase::MeasureWidths(TCanvas&, int& minWidth, int& maxWidth) {
  minWidth = 0;
  maxWidth = 0;
}

bool TSectionBase::Encloses(const TSectionBase& section) const {
  bool found = false;
  ForEachSection([&](const TSectionBase& each) { found = found || &each == &section; });
  return found;
}
