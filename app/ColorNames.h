#pragma once
// Names of colours as the font and colours dialog lists them: "Red", "Button face (system)", ...

#include <optional>
#include <string>
#include <vector>

#include "platform/Color.h"

// "No colour": a value of its own, not a red-green-blue one.
constexpr TColor clNone = 0x1FFFFFFF;

// The named colours with a fixed value, in the order the background list offers them.
const std::vector<std::string>& FixedColorNames();

// The name of a colour: the name people read when it has one (fixed and system colours), else
// its number as "$" and eight hexadecimal digits.
std::string ColorToName(TColor color);
// A name or a "$" number back to the colour; none for anything else.
std::optional<TColor> NameToColor(const std::string& name);
