#pragma once
// A laid-out document as the JSON object `tamblin-dump doc` prints.

#include <string>

#include "tools/Json.h"

class TAnchorList;
class TSectionList;

struct TDocumentSummary {
  std::u32string Title;
  std::u32string Base;
  std::u32string BaseTarget;
  int Height = 0;
  int MaxWidth = 0;
};

// {"title","base","baseTarget","height","maxWidth","background","anchors","sections"}; every
// section has an id, its number in pre-order from 0, that the anchors refer to.
TJson DocumentJson(const TSectionList& document, const TAnchorList& anchors,
                   const TDocumentSummary& summary);
