#pragma once
// Small constant tables the builder and the list items read.

#include <array>
#include <string_view>

#include "platform/Font.h"

// Font scales (twelfths of the default size) for the HTML font sizes 1 to 7, in normal
// text and inside preformatted text.
inline constexpr std::array<int, 7> FontSizeScales{8, 10, 12, 14, 18, 24, 36};
inline constexpr std::array<int, 7> PreFontSizeScales{7, 8, 10, 12, 15, 20, 30};

// The style a link's text takes on.
inline constexpr TFontStyles LinkStyle = fsUnderline;

// Roman numerals 1 to 20; a list number above 20 uses the last entry.
inline constexpr std::array<std::u32string_view, 20> LowerRomans{
    U"i",   U"ii",   U"iii",   U"iv",   U"v",   U"vi",   U"vii",   U"viii",   U"ix",  U"x",
    U"xi",  U"xii",  U"xiii",  U"xiv",  U"xv",  U"xvi",  U"xvii",  U"xviii",  U"xix", U"xx"};
inline constexpr std::array<std::u32string_view, 20> UpperRomans{
    U"I",   U"II",   U"III",   U"IV",   U"V",   U"VI",   U"VII",   U"VIII",   U"IX",  U"X",
    U"XI",  U"XII",  U"XIII",  U"XIV",  U"XV",  U"XVI",  U"XVII",  U"XVIII",  U"XIX", U"XX"};
