#pragma once
// Hexadecimal digits, as entities, colours and escapes in links write them.

// The value of a hexadecimal digit (either case), or -1 for any other character.
constexpr int HexDigitValue(char32_t ch) {
  if (ch >= U'0' && ch <= U'9') return int(ch - U'0');
  if (ch >= U'a' && ch <= U'f') return int(ch - U'a') + 10;
  if (ch >= U'A' && ch <= U'F') return int(ch - U'A') + 10;
  return -1;
}
