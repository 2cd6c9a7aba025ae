#include "html/viewer/PendingPlace.h"

#include <algorithm>
#include <climits>

#include "html/builder/AnchorList.h"
#include "html/document/SectionList.h"

void TPendingPlace::SetY(int y) {
  Clear();
  FKind = pkY;
  FY = y;
}

void TPendingPlace::SetAnchor(std::u32string name) {
  Clear();
  FKind = pkAnchor;
  FAnchor = std::move(name);
}

void TPendingPlace::SetPosition(std::int64_t position) {
  Clear();
  FKind = pkPosition;
  FPosition = position;
}

std::optional<int> TPendingPlace::Resolve(const TSectionList& document,
                                          const TAnchorList& anchors) {
  if (FFound && FFoundIn == document.LayoutGeneration) return FFound;
  FFound.reset();
  const std::size_t arranged = document.ArrangedCount();
  switch (FKind) {
    case pkNone: return std::nullopt;
    case pkY: return FY;
    case pkPosition: {
      const std::int64_t index = FPosition >> 32;
      if (index < 0 || index >= std::int64_t(arranged)) return std::nullopt;
      const std::int64_t y = document.HeightAbove(int(index)) + (FPosition & 0xFFFFFFFF);
      FFound = int(std::min<std::int64_t>(y, INT_MAX));
      break;
    }
    case pkAnchor: {
      const TSectionBase* section = anchors.Find(FAnchor);
      if (section != FSection || FSearched > arranged) {
        FSection = section;
        FSearched = 0;
      }
      if (!section) return std::nullopt;
      // The anchor may stand in a table: the top-level section that holds it is laid out.
      while (FSearched < arranged && !document[FSearched].Encloses(*section)) ++FSearched;
      if (FSearched == arranged) return std::nullopt;
      FFound = section->Top;
      break;
    }
  }
  FFoundIn = document.LayoutGeneration;
  return FFound;
}
