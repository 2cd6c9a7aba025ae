#pragma once
// A page's own word on its character set: <meta charset="koi8-r"> or <meta
// http-equiv="Content-Type" content="text/html; charset=koi8-r">.

#include <cstddef>
#include <string_view>

#include "html/parser/Charsets.h"

// How far into a page a declaration counts.
inline constexpr std::size_t DeclarationReach = 1024;

// The character set that the first META declaring a known one names, or nullptr. Only the
// first DeclarationReach bytes count, and only up to the first byte that is not ASCII (or
// 26, which ends a page): characters read before the declaration must read the same whatever
// it says. Comments are skipped, and a META cut off where the reach ends does not count. A page
// that declares UTF-16 was just read as ASCII, so it is UTF-8.
const TCharset* DeclaredCharset(std::string_view head);
