#include "html/document/FontObj.h"

#include <algorithm>
#include <unordered_set>

#include "html/document/SectionList.h"
#include "platform/Graphics.h"

namespace {

// How many of the latest fonts a new one is compared with. Text switches among a few fonts,
// so a short look finds nearly every repeat, and a section of endless distinct fonts stays
// linear.
constexpr std::size_t FontsSearched = 8;

bool SameFont(const TMyFont& a, const TMyFont& b) {
  return a.Desc() == b.Desc() && a.Scale == b.Scale && a.Fixed == b.Fixed;
}

}  // namespace

const TUrlTarget TFontObj::NoLink;

void TFontObj::SetUrlTarget(const TUrlTarget* link) {
  if (link && !link->Url.empty())
    FLink = std::make_shared<const TUrlTarget>(*link);
  else
    FLink.reset();
}

int TFontObj::ScriptOffset() const {
  switch (ScriptKind) {
    case skSubscript: return Descent() / 2 + 1;
    case skSuperscript: return -(LineHeight() / 3);
    default: return 0;
  }
}

TRunFont& TFontList::Intern(const TMyFont& font) {
  const std::size_t first = Fonts.size() > FontsSearched ? Fonts.size() - FontsSearched : 0;
  for (std::size_t i = Fonts.size(); i-- > first;)
    if (SameFont(Fonts[i]->Font, font)) return *Fonts[i];
  return *Fonts.emplace_back(std::make_unique<TRunFont>(font));
}

TFontObj& TFontList::Add(const TMyFont& font, int pos) {
  return Runs.emplace_back(Intern(font), pos);
}

void TFontList::SetFont(TFontObj& run, const TMyFont& font) {
  if (!SameFont(run.Font(), font)) run.FFont = &Intern(font);
}

std::size_t TFontList::IndexAt(int position) const {
  // The last run whose Pos is not above position; the first run when all start after it.
  const auto after = std::upper_bound(Runs.begin(), Runs.end(), position,
                                      [](int p, const TFontObj& run) { return p < run.Pos; });
  return after == Runs.begin() ? 0 : std::size_t(after - Runs.begin()) - 1;
}

const TMyFont& TFontList::FontAt(int position, int& overhang) const {
  const TFontObj& run = Runs[IndexAt(position)];
  overhang = run.Overhang();
  return run.Font();
}

const TFontObj& TFontList::RunAt(int position, int& index) const {
  const std::size_t at = IndexAt(position);
  index = int(at);
  return Runs[at];
}

int TFontList::CharsToNextRun(int position, int sectionLength) const {
  const auto next = std::upper_bound(Runs.begin(), Runs.end(), position,
                                     [](int p, const TFontObj& run) { return p < run.Pos; });
  return next == Runs.end() ? sectionLength - position : next->Pos - position;
}

void TFontList::ApplyDocument(const TSectionList& document) {
  for (TFontObj& run : Runs) {
    TMyFont font = run.Font();
    font.ApplyDocument(document, run.IsLink() ? document.HotSpotColor : document.FontColor);
    SetFont(run, font);
  }
  // Fonts no run points at any more go.
  std::unordered_set<const TRunFont*> used;
  for (const TFontObj& run : Runs) used.insert(run.FFont);
  std::erase_if(Fonts, [&](const auto& font) { return !used.contains(font.get()); });
}

void TFontList::Measure(TGraphicsFactory& graphics) {
  for (const auto& font : Fonts) MeasureFont(*font, graphics);
}

void TFontList::Measure(const TFontObj& run, TGraphicsFactory& graphics) {
  MeasureFont(*run.FFont, graphics);
}

void TFontList::MeasureFont(TRunFont& font, TGraphicsFactory& graphics) {
  if (font.Face) return;
  font.Face = &graphics.Face(font.Font.Desc());
  const TTextMetrics& metrics = font.Face->Metrics();
  font.Height = metrics.Height;
  font.LineHeight = metrics.Height + metrics.ExternalLeading;
  font.Descent = metrics.Descent;
  font.Overhang = metrics.Overhang;
}

void TFontList::Compact() {
  Runs.shrink_to_fit();
  Fonts.shrink_to_fit();
}
