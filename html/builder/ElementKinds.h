#pragma once
// What the builder does with an element, looked up by its start or end symbol. The loops of
// the builder act on the kind an element has, not on its tag: a block is a block whether it
// is written DIV or SECTION. Elements with building code of their own (paragraphs, headings,
// links, fonts, lists and their items, tables, forms, images, head elements) are ekOwn and
// handled by their symbols; so is a tag the tables do not know, and since no code claims it,
// its content flows on with the text around it (SPAN, MARK, TIME, ABBR ...).

#include <cstdint>

#include "html/parser/Symbols.h"
#include "platform/Font.h"

enum TElementKind : std::uint8_t {
  ekOwn,               // built by code of its own, or (unknown tags) content that flows on
  ekInline,            // content flows on in a style or font of its own (B, I, CODE ...)
  ekBlock,             // ends the line and holds a block of its own, as DIV does
  ekPreformatted,      // lines and spaces kept as written (PRE, LISTING, XMP)
  ekPicture,           // a picture drawn from markup of its own (inline SVG)
  ekBreakOpportunity,  // the line may break here (WBR)
};

struct TElementAction {
  TElementKind Kind = ekOwn;
  bool End = false;         // the action of the element's end tag
  TFontStyles Style = 0;    // style bits its start tag switches on and its end tag off
  bool FixedPitch = false;  // its text is in the fixed-pitch font
  bool Centred = false;     // a block whose lines are centred
  bool RawText = false;     // preformatted content that is plain text, tags and all
};

const TElementAction& ElementAction(TSymbol symbol);

// The end symbols of every block element.
const TSymbolSet& BlockEndSymbols();
