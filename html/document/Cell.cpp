#include "html/document/Cell.h"

#include <algorithm>

#include "html/document/PreFormated.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "html/support/Errors.h"

void TCell::AddSection(std::unique_ptr<TSectionBase> section) {
  if (!section) return;
  if (auto* pre = dynamic_cast<TPreFormated*>(section.get()); pre && pre->Text.empty())
    pre->EnsureText();
  // The section is complete: a growth reserve of more than an eighth is given back (a copy
  // of the text), a smaller one is not worth the copy.
  if (auto* text = dynamic_cast<TSection*>(section.get())) {
    if (text->Text.capacity() - text->Text.size() > text->Text.size() / 8 + 8)
      text->Text.shrink_to_fit();
    text->Fonts.Compact();
  }
  section->Document = Document;
  section->UpdateSpacing();
  Sections.push_back(std::move(section));
  SectionAdded();
}

int TCell::Arrange(TCanvas& canvas, int y, int width, int& maxWidth, int& curs) {
  BeginArrange(y, width, curs);
  int height = 0;
  maxWidth = 0;
  while (ArrangeSection(canvas, height, maxWidth)) {
  }
  curs = FirstPos + PosCount;
  return ArrangedHeight(height);
}

void TCell::BeginArrange(int y, int width, int curs) {
  Indents.ClearRecs();
  Indents.SetEdges(0, width);
  Indents.Width = width;
  Top = y;
  FirstPos = curs;
  PosCount = 0;
  FArranged = 0;
}

bool TCell::ArrangeSection(TCanvas& canvas, int& height, int& maxWidth) {
  if (FArranged >= Sections.size()) return false;
  int curs = FirstPos + PosCount;
  int sectionWidth = 0;
  try {
    height += Sections[FArranged]->Arrange(canvas, Top + height, Indents, sectionWidth, curs);
  } catch (const EProcessError& error) {
    // The positions the section counted before it failed stay counted.
    PosCount = curs - FirstPos;
    DropSection(FArranged, error);
    return true;
  }
  PosCount = curs - FirstPos;
  maxWidth = std::max(maxWidth, sectionWidth);
  ++FArranged;
  return true;
}

int TCell::ArrangedHeight(int flowHeight) const {
  return std::max(flowHeight, Indents.FloatBottom() - Top);
}

void TCell::MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) {
  minWidth = 0;
  maxWidth = 0;
  for (std::size_t i = 0; i < Sections.size();) {
    int sectionMin = 0, sectionMax = 0;
    try {
      Sections[i]->MeasureWidths(canvas, sectionMin, sectionMax);
    } catch (const EProcessError& error) {
      DropSection(i, error);
      continue;
    }
    minWidth = std::max(minWidth, sectionMin);
    maxWidth = std::max(maxWidth, sectionMax);
    ++i;
  }
}

void TCell::DropSection(std::size_t index, const EProcessError& error) {
  TSectionBase& section = *Sections[index];
  if (Document && Document->OnProcessError) Document->OnProcessError(error.what());
  if (Document && Document->OnSectionDropped) Document->OnSectionDropped(section);
  // The controls leave every list before the section goes, and are freed after it.
  const TReleasedControls controls =
      Document ? TakeFormControls(*Document, &section) : TReleasedControls();
  Sections.erase(Sections.begin() + std::ptrdiff_t(index));
}

int TCell::Render(TCanvas& canvas, const TRect& clip, int clipWidth, int x, int y) {
  Indents.SetEdges(x, x + Indents.Width);
  Indents.ClipWidth = clipWidth;
  for (const auto& section : Arranged()) y = section->Render(canvas, clip, Indents, x, y);
  return y;
}

bool TCell::LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
                   std::optional<TUrlTarget>& urlTarget) {
  formControl = nullptr;
  urlTarget.reset();
  for (const auto& section : Arranged())
    if (y >= section->Top && y < section->Top + section->PaintHeight &&
        section->LinkAt(canvas, x, y, formControl, urlTarget))
      return true;
  return false;
}

TSectionBase* TCell::SectionAtY(int y, int& sectionTop, int& index) const {
  int top = 0;
  const auto arranged = Arranged();
  for (std::size_t i = 0; i < arranged.size(); ++i) {
    const int bottom = top + arranged[i]->FlowHeight;
    if (bottom > y) {
      sectionTop = top;
      index = int(i);
      return arranged[i].get();
    }
    top = bottom;
  }
  return nullptr;
}

bool TCell::ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage) {
  image = nullptr;
  for (const auto& section : Arranged())
    if (y >= section->Top && y < section->Top + section->PaintHeight &&
        section->ImageAt(x, y, image, xInImage, yInImage))
      return true;
  return false;
}

int TCell::PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY, int& caretHeight,
                      TCell*& cell, bool& inText) {
  // The first section whose flow band ends below y answers, as the caret belongs to the flow.
  for (const auto& section : Arranged()) {
    if (section->Top + section->FlowHeight <= y) continue;
    cell = nullptr;
    const int position =
        section->PositionAt(canvas, x, y, caretX, caretY, caretHeight, cell, inText);
    if (position >= 0 && !cell) cell = this;
    return position;
  }
  return -1;
}

int TCell::SearchText(int start, std::u32string_view text, bool matchCase) {
  for (const auto& section : Arranged()) {
    const int found = section->SearchText(start, text, matchCase);
    if (found >= 0) return found;
  }
  return -1;
}

bool TCell::PositionToPoint(TCanvas& canvas, int position, int& x, int& y) {
  for (const auto& section : Arranged())
    if (section->PositionToPoint(canvas, position, x, y)) return true;
  return false;
}

bool TCell::CharAt(int position, char32_t& ch, TSectionBase*& section) {
  if (position < FirstPos || position > FirstPos + PosCount) return false;
  for (const auto& each : Arranged())
    if (each->CharAt(position, ch, section)) return true;
  return false;
}

void TCell::RefreshFonts() {
  for (const auto& section : Sections) section->RefreshFonts();
}

void TCell::CopySelection() {
  if (!Document || Document->SelectionStart >= Document->SelectionEnd) return;
  // A section overlaps the selection when the selection starts before its end; one that ends
  // where the selection starts has nothing selected, not even its line break.
  for (const auto& section : Arranged()) {
    if (section->FirstPos >= Document->SelectionEnd) break;
    if (Document->SelectionStart < section->FirstPos + section->PosCount) section->CopySelection();
  }
}
