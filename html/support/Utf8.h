#pragma once
// Unicode text as UTF-8, for names handed to the platform and for the tools' output.

#include <string>
#include <string_view>

// Values that are no character (surrogates, beyond U+10FFFF) become U+FFFD.
std::string EncodeUtf8(std::u32string_view text);
