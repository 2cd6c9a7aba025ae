#pragma once
// The ALIGN and DIR values of paragraphs, headings, divisions, rows and cells.

#include <optional>
#include <string_view>

#include "html/document/Section.h"

// The justification an ALIGN value names ("left", "center" or "right", compared without
// regard to case); none for any other value.
std::optional<TJustify> AlignFromText(std::u32string_view value);

// The direction a DIR value names: true for "rtl", false for "ltr" (compared without regard to
// case); none for any other value.
std::optional<bool> RightToLeftFromText(std::u32string_view value);
