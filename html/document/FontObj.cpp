#include "html/document/FontObj.h"

#include <algorithm>

#include "html/document/SectionList.h"
#include "platform/Graphics.h"

const TUrlTarget TFontObj::NoLink;

void TFontObj::SetUrlTarget(const TUrlTarget* link) {
  if (link && !link->Url.empty())
    FLink = std::make_shared<const TUrlTarget>(*link);
  else
    FLink.reset();
}

TFontObj::TFontObj(const TMyFont& font, int pos) : Pos(pos), Font(font) {
  // Metrics follow the font: any change makes the run measure again before it is used.
  Font.OnChange = [this] { FFace = nullptr; };
}

void TFontObj::Measure(TGraphicsFactory& graphics) {
  FFace = &graphics.Face(Font.Desc());
  const TTextMetrics& metrics = FFace->Metrics();
  Height = metrics.Height;
  LineHeight = metrics.Height + metrics.ExternalLeading;
  Descent = metrics.Descent;
  Overhang = metrics.Overhang;
}

void TFontObj::ApplyDocument(const TSectionList& document) {
  Font.ApplyDocument(document, IsLink() ? document.HotSpotColor : document.FontColor);
}

int TFontObj::ScriptOffset() const {
  switch (ScriptKind) {
    case skSubscript: return Descent / 2 + 1;
    case skSuperscript: return -(LineHeight / 3);
    default: return 0;
  }
}

std::size_t TFontList::IndexAt(int position) const {
  // The last run whose Pos is not above position; the first run when all start after it.
  const auto after = std::upper_bound(begin(), end(), position,
                                      [](int p, const auto& run) { return p < run->Pos; });
  return after == begin() ? 0 : std::size_t(after - begin()) - 1;
}

TMyFont& TFontList::FontAt(int position, int& overhang) const {
  TFontObj& run = (*this)[IndexAt(position)];
  overhang = run.Overhang;
  return run.Font;
}

TFontObj& TFontList::RunAt(int position, int& index) const {
  const std::size_t at = IndexAt(position);
  index = int(at);
  return (*this)[at];
}

int TFontList::CharsToNextRun(int position, int sectionLength) const {
  const auto next = std::upper_bound(begin(), end(), position,
                                     [](int p, const auto& run) { return p < run->Pos; });
  return next == end() ? sectionLength - position : (*next)->Pos - position;
}

void TFontList::ApplyDocument(const TSectionList& document) {
  for (const auto& run : *this) run->ApplyDocument(document);
}

void TFontList::Measure(TGraphicsFactory& graphics) {
  for (const auto& run : *this)
    if (!run->Measured()) run->Measure(graphics);
}
