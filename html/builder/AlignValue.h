#pragma once
// The ALIGN values of paragraphs, headings, divisions, rows and cells.

#include <optional>
#include <string_view>

#include "html/document/Section.h"

// The justification an ALIGN value names ("left", "center" or "right", compared without
// regard to case); none for any other value.
std::optional<TJustify> AlignFromText(std::u32string_view value);
