#include "html/document/SelectionText.h"

#include <algorithm>

#include "html/document/InlineObjects.h"
#include "html/document/SectionList.h"
#include "platform/Clipboard.h"

void SelTextBuf::AddText(std::u32string_view text) {
  // Copies the stretches between markers whole.
  const auto isMarker = [](char32_t ch) { return ch == ImageMarker || ch == ControlMarker; };
  for (auto from = text.begin(); from != text.end();) {
    const auto marker = std::find_if(from, text.end(), isMarker);
    Text.append(from, marker);
    from = marker == text.end() ? marker : marker + 1;
  }
}

void ClipBuffer::Finish() { Destination.SetText(Text); }

void CopyLineBreak(const TSectionList* document) {
  if (document && document->Clipboard) document->Clipboard->AddText(LineBreak);
}
