#pragma once
// Small helpers for the tools' JSON output.

#include <string>
#include <string_view>

// The text as a JSON string literal, quotes included: UTF-8, control characters escaped.
std::string JsonString(std::u32string_view text);
std::string JsonString(std::string_view utf8);

// Unicode text as UTF-8.
std::string ToUtf8(std::u32string_view text);
