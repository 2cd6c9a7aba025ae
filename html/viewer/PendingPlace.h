#pragma once
// Where the view of a page that is still loading is to go once the page is laid out that far:
// a document y, a named anchor, or a reading position (the index of a top-level section and an
// offset into it, as TriruRedu::DocPosition gives them).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class TAnchorList;
class TSectionBase;
class TSectionList;

class TPendingPlace {
 public:
  bool Pending() const { return FKind != pkNone; }
  bool IsAnchor() const { return FKind == pkAnchor; }
  void Clear() { *this = TPendingPlace(); }
  void SetY(int y);
  void SetAnchor(std::u32string name);
  void SetPosition(std::int64_t position);
  // The reading position waited for, if that is the place.
  std::optional<std::int64_t> Position() const {
    if (FKind != pkPosition) return std::nullopt;
    return FPosition;
  }

  // The document y of the place once the sections laid out hold it; nothing before, and
  // nothing for a name the anchors do not hold (yet). Cheap to ask after every section laid
  // out: each top-level section is looked into once for the anchor's.
  std::optional<int> Resolve(const TSectionList& document, const TAnchorList& anchors);

 private:
  enum TKind { pkNone, pkY, pkAnchor, pkPosition };

  TKind FKind = pkNone;
  int FY = 0;
  std::u32string FAnchor;
  std::int64_t FPosition = 0;
  // The anchor's section, and how many top-level sections were looked into for it.
  const TSectionBase* FSection = nullptr;
  std::size_t FSearched = 0;
  // The y found, for the layout it was found in.
  std::optional<int> FFound;
  int FFoundIn = 0;
};
