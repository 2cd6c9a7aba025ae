#pragma once
// Deterministic large documents for the benchmarks.

#include <cstddef>
#include <string>

// An HTML page of about `bytes` bytes: paragraphs of words with inline markup, FONT tags,
// links, entities and comments, as a long real page would have.
std::string GenerateMarkupPage(std::size_t bytes);

// An HTML page of about `bytes` bytes of nested lists (ordered and unordered, up to six
// deep), each item a line of words.
std::string GenerateListPage(std::size_t bytes);

// An HTML page of about `bytes` bytes of mixed markup, as a large generated reference page
// has it: headings with anchors, paragraphs with inline markup and links, nested lists, small
// tables, preformatted examples, rules and a form now and then.
std::string GenerateMixedPage(std::size_t bytes);

// A documentation page of about `elements` elements (sections of headings, paragraphs with
// classed spans, links and code, lists, preformatted text and small tables), with a STYLE
// sheet of 2,000 rules as documentation sites write them, or without it.
std::string GenerateStyledPage(std::size_t elements, bool withSheet);

// A plain-text log of about `bytes` bytes: time-stamped lines of varying length.
std::string GenerateTextLog(std::size_t bytes);
