#pragma once
// Letter case of names and keywords. Tags, attribute values, link schemes and file extensions
// compare without regard to case, and only ASCII letters change case for them: a page's own
// text is folded more widely for searching (CaseFold.h).

#include <string>
#include <string_view>

constexpr char32_t LowerAscii(char32_t ch) { return ch >= U'A' && ch <= U'Z' ? ch + 32 : ch; }
constexpr char32_t UpperAscii(char32_t ch) { return ch >= U'a' && ch <= U'z' ? ch - 32 : ch; }
constexpr char LowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? char(ch + 32) : ch; }
constexpr char UpperAscii(char ch) { return ch >= 'a' && ch <= 'z' ? char(ch - 32) : ch; }

std::u32string LowerAscii(std::u32string_view text);
std::u32string UpperAscii(std::u32string_view text);
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);

// Whether the two are the same but for the case of ASCII letters.
bool EqualsIgnoringCase(std::u32string_view a, std::u32string_view b);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// ASCII and Latin-1 letters upper-cased: the key anchor and map names are looked up by.
std::u32string UpperLatin1(std::u32string_view text);
