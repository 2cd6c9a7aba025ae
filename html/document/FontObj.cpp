#include "html/document/FontObj.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "html/document/SectionList.h"
#include "platform/Graphics.h"

namespace {

bool SameFont(const TMyFont& a, const TMyFont& b) {
  return a.Desc() == b.Desc() && a.Scale == b.Scale && a.Fixed == b.Fixed;
}

std::size_t HashOf(const TMyFont& font) {
  const TFontDesc& desc = font.Desc();
  std::size_t hash = std::hash<std::string>()(desc.Name);
  for (const std::size_t part :
       {std::size_t(desc.Size), std::size_t(desc.Style), std::size_t(desc.Color),
        std::size_t(desc.CharSet), std::size_t(font.Scale), std::size_t(font.Fixed)})
    hash = hash * 1000003u ^ part;
  return hash;
}

}  // namespace

TRunFont::TRunFont(const TMyFont& font, TGraphicsFactory& graphics, const TFontTable& table)
    : Font(font), Face(&graphics.Face(font.Desc())), Table(&table) {
  const TTextMetrics& metrics = Face->Metrics();
  Height = metrics.Height;
  LineHeight = metrics.Height + metrics.ExternalLeading;
  Descent = metrics.Descent;
  Overhang = metrics.Overhang;
}

TRunFont& TFontTable::Intern(const TMyFont& font) {
  const std::size_t hash = HashOf(font);
  for (auto [at, end] = ByHash.equal_range(hash); at != end; ++at)
    if (SameFont(at->second->Font, font)) return *at->second;
  TRunFont* made = Fonts.emplace_back(std::make_unique<TRunFont>(font, Graphics, *this)).get();
  ByHash.emplace(hash, made);
  return *made;
}

std::uint32_t TFontTable::InternLink(const TUrlTarget* link) {
  if (!link || link->Url.empty()) return 0;
  const std::hash<std::u32string> hashText;
  const std::size_t hash = hashText(link->Url) * 31 + hashText(link->Target);
  for (auto [at, end] = LinksByHash.equal_range(hash); at != end; ++at) {
    const TUrlTarget& known = Link(at->second);
    if (known.Url == link->Url && known.Target == link->Target) return at->second;
  }
  Links.push_back(*link);
  const auto number = std::uint32_t(Links.size());
  LinksByHash.emplace(hash, number);
  return number;
}

void TFontTable::Clear() {
  LinksByHash.clear();
  Links.clear();
  ByHash.clear();
  Fonts.clear();
  Previous.clear();
}

void TFontTable::BeginRefresh() {
  ByHash.clear();
  std::move(Fonts.begin(), Fonts.end(), std::back_inserter(Previous));
  Fonts.clear();
}

const TUrlTarget TFontObj::NoLink;

int TFontObj::ScriptOffset() const {
  switch (ScriptKind) {
    case skSubscript: return Descent() / 2 + 1;
    case skSuperscript: return -(LineHeight() / 3);
    default: return 0;
  }
}

TFontObj& TFontList::Add(const TMyFont& font, int pos) {
  return Runs.emplace_back(Table->Intern(font), pos);
}

void TFontList::SetFont(TFontObj& run, const TMyFont& font) {
  if (!SameFont(run.Font(), font)) run.FFont = &Table->Intern(font);
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
    // The run's old font is leaving the table, so the run takes the new one even when equal.
    run.FFont = &Table->Intern(font);
  }
}
