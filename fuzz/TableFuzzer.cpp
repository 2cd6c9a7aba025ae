// Arbitrary bytes as the content of a table's first cell, built and then laid out and drawn at
// widths from far too narrow to wide, so that every input goes through the table model and the
// column width rules. Anchors must point at live sections afterwards.

#include <cstddef>
#include <cstdint>
#include <string>

#include "html/builder/Builder.h"
#include "html/builder/HtmlBuilder.h"
#include "html/images/ImageCache.h"
#include "html/support/Errors.h"

#include "FuzzDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string source = "<table border=2 cellspacing=1 cellpadding=3><tr><td>";
  source.append(reinterpret_cast<const char*>(data), size);
  ImageCache().Clear();
  THeadlessGraphics graphics;
  TSectionList document(graphics);
  TInputImages images(source);
  document.ImageSource = &images;
  TAnchorList anchors;
  TDocumentHead head;
  document.OnSectionDropped = [&](const TSectionBase& section) { anchors.RemoveWithin(section); };
  try {
    ParseHtmlBuffer(document, anchors, source, {}, nullptr, {}, {}, {}, head);
  } catch (const EParseError&) {
  }
  for (const int width : {1, 130, 900}) LayOutAndDraw(graphics, document, width);
  for (const auto& [name, section] : anchors)
    if (!section || !section->KindName()) __builtin_trap();
  return 0;
}
