#pragma once
// Builds a page for the tools the way the viewer will: a fresh document with the viewer's
// default faces and colours, the file parsed as HTML (or as plain text), then laid out.

#include <cstddef>
#include <string>

#include "html/builder/AnchorList.h"
#include "html/document/SectionList.h"
#include "tools/dump/DocumentJson.h"

class TCanvas;

struct TPageOptions {
  int Width = 600;          // width the sections are laid out for
  int FontSize = 12;        // default font size in points
  bool AsText = false;      // a plain-text file
  bool UsePageStyles = true;  // the page's style sheets and STYLE attributes apply
  int Top = 0;              // y of the first section
  // Built and laid out in slices as small as they come, as a viewer loading in slices would:
  // a slice ends after each section laid out and each piece of Piece bytes read.
  bool Progressive = false;
  std::size_t Piece = 16;
};

// Parses the file into the document (which must be empty) and lays it out on the canvas,
// reading pictures from files named relative to the page's folder (or its BASE, as read by the
// time the picture is laid out). A missing file raises EInOutError.
TDocumentSummary BuildPage(const std::string& fileName, const TPageOptions& options,
                           TSectionList& document, TAnchorList& anchors, TCanvas& canvas);
