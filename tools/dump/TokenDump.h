#pragma once

#include <ostream>
#include <string_view>

// Prints the symbol stream of a document, one JSON object per line, ending with symEof.
// A parse error propagates after the symbols read so far are printed.
void DumpTokens(std::string_view documentBytes, std::ostream& out);
