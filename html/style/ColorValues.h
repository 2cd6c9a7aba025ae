#pragma once
// Colours as style sheets write them: the named colours, the system colours (resolved when
// drawn, see Color.h), #rgb, #rgba, #rrggbb, #rrggbbaa, rgb() and rgba() with numbers or
// percentages in the comma or the space syntax, hsl() and hsla(), transparent and
// currentColor.

#include <optional>
#include <span>

#include "html/style/CssTokenizer.h"
#include "html/style/StyleValues.h"

// The colour one component (a token, or a function with its contents) writes, if it is one.
std::optional<TStyleColor> ColorFromComponent(std::span<const TCssToken> component);
