#pragma once
// Bounds that keep a hostile style sheet cheap. Real sheets stay far below every one of them
// (the largest installed documentation sheet has a few hundred rules); a sheet that reaches
// one loses only what lies beyond it, and parsing and matching stay linear in its size.

#include <cstddef>

// Selectors one sheet keeps; parsing stops at the rule that would pass the bound.
inline constexpr std::size_t MaxSheetSelectors = 16384;
// Declarations one sheet keeps; parsing stops likewise.
inline constexpr std::size_t MaxSheetDeclarations = 65536;
// Selectors the matcher indexes for one document, over all its sheets; selectors of later
// sheets beyond it are left out.
inline constexpr std::size_t MaxIndexedSelectors = 32768;
// Steps the matcher takes against the page's rules for one document: a step is one
// selector met in an index, or one of its compounds tested against an element. Real pages
// need a small part: 50,000 elements against 2,000 rules take a few million. Once they are
// spent the page's rules no longer apply to the elements that follow; the viewer's own
// rules always do. It bounds what any sheet can cost, at a few seconds.
inline constexpr std::size_t MaxMatchSteps = std::size_t(1) << 28;
// Rules one element matches at most; further ones are left out.
inline constexpr std::size_t MaxMatchedRules = 256;
// A rule listing more selectors than this is dropped whole.
inline constexpr std::size_t MaxSelectorsPerRule = 1024;
// A selector with more compounds (parts between combinators), more simple selectors in one
// compound, or more tokens than these is dropped, as an unsupported one is.
inline constexpr std::size_t MaxCompounds = 32;
inline constexpr std::size_t MaxSimpleSelectors = 32;
inline constexpr std::size_t MaxSelectorTokens = 512;
// A declaration whose value has more tokens than this is ignored.
inline constexpr std::size_t MaxValueTokens = 1024;
// An at-rule prelude (a media query list, an import) with more tokens than this does not
// apply.
inline constexpr std::size_t MaxPreludeTokens = 1024;
// @media blocks nested deeper than this are skipped.
inline constexpr int MaxMediaNesting = 8;
// Imports one sheet reports.
inline constexpr std::size_t MaxImports = 16;
// Families one font-family list keeps; later ones are never reached in practice.
inline constexpr std::size_t MaxFontFamilies = 16;
