#pragma once
// The document builder's entry points: they read an HTML buffer, an HTML file or a plain-text
// file into a document. The viewer clears the document and the anchor list before it calls
// one of them; the parse appends sections to the document, anchor names to the list, and
// reports head elements through the handlers. Only one parse runs at a time: the handlers must
// not start another.

#include <string>
#include <string_view>

#include "html/builder/AnchorList.h"
#include "html/builder/PageStyleOptions.h"
#include "html/builder/ParseHandlers.h"
#include "html/parser/PacedBytes.h"
#include "html/parser/Tokenizer.h"

class TSectionList;
class TriruRedu;

// What the head of a document said, for the viewer to take after the parse. Reset when a
// parse starts and filled while it runs, so it holds what was read even when the parse fails.
struct TDocumentHead {
  std::u32string Title;
  std::u32string BaseUrl;
  std::u32string BaseTarget;
};

// styles says whether the page's own styles apply, and how linked sheets are found.
// Reads HTML from a memory buffer, which stays the caller's. An unclosed comment raises
// EParseError after the document keeps what was built before it.
void ParseHtmlBuffer(TSectionList& document, TAnchorList& anchorList, std::string_view buffer,
                     const TMetaType& metaHandler, TriruRedu* viewer,
                     const TSoundType& soundHandler, const TIncludeHandler& includeHandler,
                     const TScriptEvent& scriptHandler, TDocumentHead& head,
                     const TPageStyleOptions& styles = {});

// Reads HTML from a file. A file that cannot be read raises EInOutError "Can't locate file:
// NAME" before anything changes; an unclosed comment ends the parse quietly, keeping what
// was built. The file is read at pace (PacedBytes.h); what its pause throws ends the parse
// and passes on.
void ParseHtmlFile(TSectionList& document, TAnchorList& anchorList, const std::string& fileName,
                   const TMetaType& metaHandler, TriruRedu* viewer,
                   const TSoundType& soundHandler, const TIncludeHandler& includeHandler,
                   const TScriptEvent& scriptHandler, TDocumentHead& head,
                   const TPageStyleOptions& styles = {}, const TReadPace& pace = {});

// Shows a plain-text file as preformatted text, one section per line. Missing files and the
// pace as above.
void ParseTextFile(TSectionList& document, TAnchorList& anchorList, const std::string& fileName,
                   TDocumentHead& head, const TReadPace& pace = {});
