#pragma once
// A page's style sheets as the builder meets them, the cascade over them, and the open
// elements with their styles (OpenElements.h).
//
// Sheets come from STYLE elements, from LINK REL=stylesheet to a local file, and from the
// @import rules at the head of those, one level deep (an imported sheet's own imports are
// not followed, so there can be no cycle). A LINK or STYLE whose MEDIA does not match is
// left out (MediaQueries.h). A sheet applies to the elements that open after it: the
// builder never goes back over what it has built.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "html/builder/OpenElements.h"
#include "html/builder/PageStyleOptions.h"
#include "html/style/StyleCascade.h"
#include "html/style/StyleSheet.h"

// The viewer's own sheet: what the builder does for its elements anyway (a heading's size
// and weight, a link's colour and line, the fixed-pitch face of code), said in CSS so that
// page rules cascade over it as over a browser's defaults.
const TStyleSheet& ViewerStyleSheet();

class TPageStyles {
 public:
  TPageStyles(const TPageStyleOptions& options, const TComputedStyle& initial);
  TPageStyles(const TPageStyles&) = delete;
  TPageStyles& operator=(const TPageStyles&) = delete;

  // A STYLE element's content; media is its MEDIA attribute, when it has one.
  void AddStyleElement(std::u32string_view text, const std::u32string* media);
  // A LINK element: read when REL names a style sheet and MEDIA matches. base is the
  // page's BASE as read so far.
  void AddLinkElement(const TAttributeList& attributes, std::u32string_view base);

  // Whether a family the page names may be used (named families are tried in order).
  bool FamilyKnown(const std::string& family) const {
    return !Options.FamilyInstalled || Options.FamilyInstalled(family);
  }

  // A linked sheet longer than this many bytes is not read.
  static constexpr std::size_t MaxSheetBytes = std::size_t(1) << 22;
  // Sheets one page reads at most, imports included.
  static constexpr std::size_t MaxSheets = 64;

 private:
  // Adds text as a sheet read from file (empty for the page), after the sheets it
  // imports when imports is set.
  void AddSheet(std::u32string_view text, const std::string& file, bool imports,
                std::u32string_view base);
  std::optional<std::u32string> ReadSheetFile(const std::string& name) const;

  TPageStyleOptions Options;
  TStyleCascade Cascade;
  std::deque<std::unique_ptr<TStyleSheet>> Sheets;

 public:
  TOpenElements Elements;  // matched against the sheets above
};
