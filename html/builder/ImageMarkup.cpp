// Images and client-side image maps: IMG becomes one character of the open section, MAP a map
// of the document; inline SVG comes here as markup.
#include "html/builder/HtmlBuilder.h"
#include "html/document/SectionList.h"
#include "html/images/ImageObj.h"
#include "html/images/MapItem.h"
#include "html/images/SvgImage.h"

void THtmlBuilder::ParseImage(int level) {
  EnsureSection(level);
  CurrentSection->InsertImage(std::make_unique<TImageObj>(Tokens.Attributes));
}

// The drawing stands in the text as a picture would; currentColor is the colour of the text
// around it.
void THtmlBuilder::ParseInlineSvg(int level, std::u32string markup) {
  EnsureSection(level);
  CurrentSection->InsertImage(MakeInlineSvgImage(markup, TopFont().Color()));
}

void THtmlBuilder::ParseMap() {
  auto map = std::make_unique<TMapItem>();
  if (const TAttribute* name = FindAttribute(Tokens.Attributes, symName))
    map->Name = MapNameKey(name->StrValue);
  NextSymbol();
  // Areas are all a map keeps; text and other tags inside it are dropped.
  while (Sym() != symMapEnd && Sym() != symEof) {
    if (Sym() == symArea) map->AddArea(Tokens.Attributes);
    NextSymbol();
  }
  // Only a map whose end tag was found counts.
  if (Sym() == symMapEnd) Document.ImageMaps.push_back(std::move(map));
}
