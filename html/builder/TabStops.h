#pragma once
// Tab stops of preformatted text, text areas and text files: every eighth column.

#include <cstddef>
#include <string>

inline constexpr std::size_t TabStopColumns = 8;

// Appends the spaces that take text standing at column on to its next tab stop.
inline void AppendTab(std::u32string& text, std::size_t column) {
  text.append(TabStopColumns - column % TabStopColumns, U' ');
}
