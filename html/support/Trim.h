#pragma once
// Attribute values, image names and paths are taken without the blanks and control
// characters (everything up to the space) around them.

#include <string>
#include <string_view>

inline std::u32string TrimControls(std::u32string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && text[first] <= U' ') ++first;
  while (last > first && text[last - 1] <= U' ') --last;
  return std::u32string(text.substr(first, last - first));
}

// Bytes of 0x80 and above are parts of characters and stay.
inline std::string TrimControls(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && (unsigned char)text[first] <= ' ') ++first;
  while (last > first && (unsigned char)text[last - 1] <= ' ') --last;
  return std::string(text.substr(first, last - first));
}
