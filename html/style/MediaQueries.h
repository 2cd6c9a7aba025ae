#pragma once
// Media queries, for @media blocks, @import and the media attribute of STYLE and LINK.
//
// The viewer lays out for its window's width but reads a page's styles once, so queries are
// answered for one fixed screen rather than the window: a colour screen 1024 by 768 CSS
// pixels at 96 dots per inch, a mouse that hovers, light colours, no scripting, no wish for
// less motion or more contrast. A page then gets the styles its authors wrote for a desktop
// screen of modest width: one column, no sidebar (Tamblin places no sidebars), navigation
// that only phones need left hidden, desktop indents.
//
// The media types "all" and "screen" match; "print", "speech" and every other type do not.
// Media features are evaluated as the screen above answers them, in the "name: value",
// "min-/max-" and range forms ("width >= 600px", "400px < width < 800px"), joined with
// "and", "or" and "not". A feature the engine does not know, or a query it cannot read,
// does not match; the rest of the list still may. An empty list matches.

#include <span>
#include <string_view>

#include "html/style/CssTokenizer.h"

struct TMediaScreen {
  double Width = 1024;  // CSS pixels
  double Height = 768;
};

// Whether a media query list (the tokens of an @media prelude or a media attribute)
// matches the screen.
bool MediaListMatches(std::span<const TCssToken> tokens, const TMediaScreen& screen = {});
bool MediaListMatches(std::u32string_view text, const TMediaScreen& screen = {});
