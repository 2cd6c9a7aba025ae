#pragma once
// Colours written in documents: one of sixteen names, or hexadecimal RRGGBB.

#include <cstdint>
#include <optional>
#include <string_view>

// A colour value with red in the low byte, then green, then blue. Callers that store a
// document colour mark it with DocumentColorFlag.
std::optional<std::uint32_t> ColorFromString(std::u32string_view text);

inline constexpr std::uint32_t DocumentColorFlag = 0x02000000;
