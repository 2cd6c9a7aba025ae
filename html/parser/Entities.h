#pragma once
// Character entities: the named character references of HTML, matched with their case kept,
// and the reading of numeric character references.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The longest name, its ";" included ("CounterClockwiseContourIntegral;").
inline constexpr std::size_t LongestEntityName = 32;

struct TEntityMatch {
  std::size_t Length;  // of the name matched, its ";" included when it has one
  char32_t First;
  char32_t Second;     // a few names stand for two characters; 0 for the others
};

// The longest entity name that text begins with. Names end in ";" ("amp;", "rarr;"), except
// the legacy names that also stand without one ("amp", "copy", "eacute"), so "notit;" matches
// "not" and "copy2" matches "copy". Names match with case: "Agrave" and "agrave" differ.
std::optional<TEntityMatch> MatchEntity(std::string_view text);

// The character a numeric reference &#N; gives, or nothing when it stays as written.
// Up to 255 only tab (read as a space), line feed and codes from 32 give a character, and
// 128-159 are read as the Windows code page reads those bytes. Above 255 any Unicode scalar
// value gives itself.
std::optional<char32_t> NumericEntityChar(std::uint32_t code);
