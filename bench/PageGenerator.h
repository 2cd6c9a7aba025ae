#pragma once
// Deterministic large documents for the benchmarks.

#include <cstddef>
#include <string>

// An HTML page of about `bytes` bytes: paragraphs of words with inline markup, FONT tags,
// links, entities and comments, as a long real page would have.
std::string GenerateMarkupPage(std::size_t bytes);
