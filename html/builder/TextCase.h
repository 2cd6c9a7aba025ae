#pragma once
// Small text helpers the builder uses on attribute values.

#include <string>
#include <string_view>

// ASCII letters lower-cased, everything else kept.
std::u32string LowerAscii(std::u32string_view text);


// Justification named by an ALIGN value ("left" 1, "center" 2, "right" 3, compared without
// regard to case), or fallback for any other value.
int AlignFromText(std::u32string_view value, int fallback);
