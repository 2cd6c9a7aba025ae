#pragma once
// Style sheets: reading a sheet into rules (selectors and declarations), and reading the
// declarations of a STYLE attribute.
//
// A sheet is read by the standard rules of error recovery: an invalid rule, declaration or
// at-rule is skipped (a bad declaration to the next ";" or the end of its block, an unknown
// at-rule with its whole block, nested blocks counted) and reading goes on after it. @media
// blocks apply when their query list matches (MediaQueries.h), nested ones too; @import is
// reported for the caller to load; @charset, @namespace, @font-face, @keyframes, @page,
// @supports and the other at-rules are skipped whole. "!important" is kept with each
// declaration.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/style/MediaQueries.h"
#include "html/style/Selectors.h"
#include "html/style/StyleValues.h"

// Where a sheet comes from: the viewer's own sheet of defaults, or the page.
enum TStyleOrigin : std::uint8_t { soUserAgent, soAuthor };

struct TStyleRule {
  std::uint32_t FirstDeclaration = 0;  // index in the sheet's declarations
  std::uint32_t DeclarationCount = 0;
  bool HasImportant = false;
};

// An @import whose media match: the sheet at Url (as written, unresolved) is to be read
// before this one's rules. Imports for other media are left out. Only the imports at the
// start of a sheet count, as the syntax demands.
struct TStyleImport {
  std::u32string Url;
};

// What reading kept and what it dropped.
struct TStyleSheetStats {
  std::size_t RulesKept = 0;     // style rules with a selector and a declaration kept
  std::size_t RulesDropped = 0;  // invalid selectors, or none supported
  std::size_t RulesEmpty = 0;    // nothing declared that the engine supports
  std::size_t SelectorsKept = 0;
  std::size_t SelectorsDropped = 0;     // unsupported selectors dropped from a group
  std::size_t DeclarationsKept = 0;     // declarations read (a shorthand counts once)
  std::size_t DeclarationsIgnored = 0;  // unknown properties and invalid values
  std::size_t AtRulesSkipped = 0;       // @media that do not match, and unknown at-rules
  bool Truncated = false;               // a limit of StyleLimits.h ended the sheet
};

class TStyleSheet {
 public:
  TStyleOrigin Origin = soAuthor;
  std::vector<TSelector> Selectors;  // each names its rule
  std::vector<TStyleRule> Rules;
  TDeclarationList Declarations;
  std::vector<TStyleImport> Imports;
  TStyleSheetStats Stats;
};

TStyleSheet ParseStyleSheet(std::u32string_view text, TStyleOrigin origin = soAuthor,
                            const TMediaScreen& screen = {});

// The declarations of a STYLE attribute. stats, when given, counts them.
TDeclarationList ParseDeclarations(std::u32string_view text, TStyleSheetStats* stats = nullptr);
