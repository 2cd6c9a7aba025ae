#pragma once
// File names written into links and file URLs: every byte but the unreserved characters
// (letters, digits, "-", ".", "_", "~") and "/" becomes "%" and two hexadecimal digits, so
// that no byte of a name is read as markup, an anchor, an argument or a scheme. Links decode
// them back to the same bytes (LinkPath.h).

#include <string>
#include <string_view>

std::string PercentEscaped(std::string_view bytes);

// "file://" and the escaped path, for an absolute path.
inline std::string FileUrl(std::string_view path) { return "file://" + PercentEscaped(path); }
