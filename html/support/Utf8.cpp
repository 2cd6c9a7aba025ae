#include "html/support/Utf8.h"

std::string EncodeUtf8(std::u32string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char32_t c : text) {
    // Values that are no character (surrogates, beyond U+10FFFF) become U+FFFD.
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
      bytes += char(c);
    } else if (c < 0x800) {
      bytes += char(0xC0 | c >> 6);
      bytes += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += char(0xE0 | c >> 12);
      bytes += char(0x80 | (c >> 6 & 0x3F));
      bytes += char(0x80 | (c & 0x3F));
    } else {
      bytes += char(0xF0 | c >> 18);
      bytes += char(0x80 | (c >> 12 & 0x3F));
      bytes += char(0x80 | (c >> 6 & 0x3F));
      bytes += char(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}
