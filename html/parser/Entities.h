#pragma once
// Character entities: named ones looked up with their case kept, and the reading of
// numeric character references.

#include <cstdint>
#include <optional>
#include <string_view>

// The character a named entity stands for ("amp" -> '&', "copy" -> U+00A9, "mdash" -> U+2014).
// Names match with case; "AMP" is no entity.
std::optional<char32_t> LookupEntity(std::u32string_view name);

// The character a numeric reference &#N; gives, or nothing when it stays as written.
// Up to 255 only tab (read as a space), line feed and codes from 32 give a character, and
// 128-159 are read as the Windows code page reads those bytes. Above 255 any Unicode scalar
// value gives itself.
std::optional<char32_t> NumericEntityChar(std::uint32_t code);
