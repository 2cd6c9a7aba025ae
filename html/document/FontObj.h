#pragma once
// Font runs: from its first character on, a run gives a section's text a font, a script
// position and a link. A section's runs are ordered by Pos, strictly increasing, the first
// at 0.

#include <cstddef>
#include <memory>

#include "html/document/MyFont.h"
#include "html/document/UrlTarget.h"
#include "html/support/FreeList.h"

class TGraphicsFactory;
class TFontFace;
class TSectionList;

// ScriptKind values.
inline constexpr int skNormal = 0;
inline constexpr int skSubscript = 1;
inline constexpr int skSuperscript = 2;

class TFontObj {
 public:
  // Copies the font; the run is unmeasured until Measure.
  TFontObj(const TMyFont& font, int pos);
  TFontObj(const TFontObj&) = delete;
  TFontObj& operator=(const TFontObj&) = delete;

  int Pos;
  TMyFont Font;
  // Metrics of Font, valid once measured (see Measured).
  int LineHeight = 0;  // height plus external leading
  int Height = 0;
  int Overhang = 0;
  int Descent = 0;
  int ScriptKind = skNormal;
  // The run's link; an empty Url means the run is no link. Runs that continue one link share
  // it, so a long page keeps one copy of each link rather than one per run.
  const TUrlTarget& UrlTarget() const { return FLink ? *FLink : NoLink; }
  bool IsLink() const { return FLink && !FLink->Url.empty(); }
  // Gives the run a link of its own (a copy), or none.
  void SetUrlTarget(const TUrlTarget* link);
  // Gives the run the same link as another run.
  void ShareUrlTarget(const TFontObj& other) { FLink = other.FLink; }

  // Reads the metrics of Font through the factory and keeps its realised face. Any change of
  // Font marks the run unmeasured again.
  void Measure(TGraphicsFactory& graphics);
  bool Measured() const { return FFace != nullptr; }
  // The realised face; only valid when Measured().
  TFontFace& Face() const { return *FFace; }
  // The run's colour from the document: link colour for links, else the text colour.
  void ApplyDocument(const TSectionList& document);
  // Pixels the draw pass moves the run's baseline down (negative: up).
  int ScriptOffset() const;

 private:
  static const TUrlTarget NoLink;
  TFontFace* FFace = nullptr;  // owned by the graphics factory
  std::shared_ptr<const TUrlTarget> FLink;
};

class TFontList : public TFreeList<TFontObj> {
 public:
  // The font of the run with the greatest Pos not above position, and its Overhang.
  TMyFont& FontAt(int position, int& overhang) const;
  // That run and its index.
  TFontObj& RunAt(int position, int& index) const;
  // Characters from position to the start of the next run; sectionLength - position when no
  // run starts after it.
  int CharsToNextRun(int position, int sectionLength) const;
  void ApplyDocument(const TSectionList& document);
  // Measures every run that is not measured.
  void Measure(TGraphicsFactory& graphics);

 private:
  std::size_t IndexAt(int position) const;
};
