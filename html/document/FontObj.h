#pragma once
// Font runs: from its first character on, a run gives a section's text a font, a script
// position and a link. A section's runs are ordered by Pos, strictly increasing, the first
// at 0.
//
// A page holds a run for every change of font, hundreds of thousands on a large one, but
// only a few dozen fonts and far fewer links than runs. So the document keeps each font once,
// measured, and each link once, in its font table, and a run points at its font and numbers
// its link: a run is two words, and a font is measured once per page.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "html/document/MyFont.h"
#include "html/document/UrlTarget.h"

class TGraphicsFactory;
class TFontFace;
class TFontTable;
class TSectionList;

// ScriptKind values.
inline constexpr int skNormal = 0;
inline constexpr int skSubscript = 1;
inline constexpr int skSuperscript = 2;

// A font the runs of a document share, with its metrics. It never changes: a run that needs
// another font points at another one.
struct TRunFont {
  TRunFont(const TMyFont& font, TGraphicsFactory& graphics, const TFontTable& table);

  TMyFont Font;
  int LineHeight = 0;  // height plus external leading
  int Height = 0;
  int Overhang = 0;
  int Descent = 0;
  TFontFace* Face = nullptr;  // owned by the graphics factory
  const TFontTable* Table;    // the table that keeps the font, and the links of its runs
};

// The fonts and links of a document's runs, each kept once. A font stays where it is until the
// table is cleared or a refresh ends, and a link until the table is cleared, so runs may point
// at them.
class TFontTable {
 public:
  // graphics measures the fonts; it must outlive the table.
  explicit TFontTable(TGraphicsFactory& graphics) : Graphics(graphics) {}

  // The table's font equal to font, made and measured if there is none yet.
  TRunFont& Intern(const TMyFont& font);
  std::size_t Count() const { return Fonts.size(); }
  // The number of the table's link equal to link, made if there is none yet; 0 for none or
  // an empty URL.
  std::uint32_t InternLink(const TUrlTarget* link);
  const TUrlTarget& Link(std::uint32_t number) const { return Links[number - 1]; }
  std::size_t LinkCount() const { return Links.size(); }
  // Lets go of every font and link; no run may point into the table any more.
  void Clear();
  // A refresh gives every run a font anew: between BeginRefresh and EndRefresh fonts are
  // interned afresh, and at the end the fonts of before go.
  void BeginRefresh();
  void EndRefresh() { Previous.clear(); }

 private:
  TGraphicsFactory& Graphics;
  std::vector<std::unique_ptr<TRunFont>> Fonts;
  std::vector<std::unique_ptr<TRunFont>> Previous;  // kept while a refresh runs
  std::unordered_multimap<std::size_t, TRunFont*> ByHash;
  std::deque<TUrlTarget> Links;  // by number from 1
  std::unordered_multimap<std::size_t, std::uint32_t> LinksByHash;
};

class TFontObj {
 public:
  TFontObj(TRunFont& font, int pos) : Pos(pos), FFont(&font) {}

  const TMyFont& Font() const { return FFont->Font; }
  // Metrics of the font, valid once measured.
  int LineHeight() const { return FFont->LineHeight; }
  int Height() const { return FFont->Height; }
  int Overhang() const { return FFont->Overhang; }
  int Descent() const { return FFont->Descent; }
  TFontFace& Face() const { return *FFont->Face; }

  // The run's link; an empty Url means the run is no link. Runs with the same link point at
  // one copy in the document's table (TFontList::SetLink).
  const TUrlTarget& UrlTarget() const { return FLink ? FFont->Table->Link(FLink) : NoLink; }
  bool IsLink() const { return FLink != 0; }
  // Gives the run the same link as another run.
  void ShareUrlTarget(const TFontObj& other) { FLink = other.FLink; }

  // Pixels the draw pass moves the run's baseline down (negative: up).
  int ScriptOffset() const;

  // A page has many runs: position, script and link number take eight bytes together.
  int Pos;
  unsigned ScriptKind : 2 = skNormal;

 private:
  friend class TFontList;
  static const TUrlTarget NoLink;
  unsigned FLink : 30 = 0;     // number of the link in the table, 0 for none (memory runs out
                               // long before 2^30 links)
  TRunFont* FFont;             // kept by the document's table
};

// A section's runs, whose fonts its document's table keeps.
class TFontList {
 public:
  explicit TFontList(TFontTable& table) : Table(&table) {}

  // Appends a run of font starting at pos.
  TFontObj& Add(const TMyFont& font, int pos);
  // Gives a run another font.
  void SetFont(TFontObj& run, const TMyFont& font);
  // Gives a run the link (the table's copy of it), or none.
  void SetLink(TFontObj& run, const TUrlTarget* link) { run.FLink = Table->InternLink(link); }

  std::size_t Count() const { return Runs.size(); }
  TFontObj& operator[](std::size_t index) { return Runs[index]; }
  const TFontObj& operator[](std::size_t index) const { return Runs[index]; }
  TFontObj& Last() { return Runs.back(); }
  auto begin() const { return Runs.begin(); }
  auto end() const { return Runs.end(); }

  // The font of the run with the greatest Pos not above position, and its Overhang.
  const TMyFont& FontAt(int position, int& overhang) const;
  // That run and its index.
  const TFontObj& RunAt(int position, int& index) const;
  // Characters from position to the start of the next run; sectionLength - position when no
  // run starts after it.
  int CharsToNextRun(int position, int sectionLength) const;
  // Takes the document's faces, sizes and colours (the link colour for links); part of a
  // refresh of the table.
  void ApplyDocument(const TSectionList& document);
  // Gives back the room kept for runs to come, once the section is complete.
  void Compact() { Runs.shrink_to_fit(); }

 private:
  std::size_t IndexAt(int position) const;

  TFontTable* Table;  // the document's; outlives the runs
  std::vector<TFontObj> Runs;
};
