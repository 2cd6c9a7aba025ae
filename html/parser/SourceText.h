#pragma once
// Bytes of a document read as characters. A document that starts with a UTF-8 byte order
// mark, or that is entirely valid UTF-8, is UTF-8; any other is Windows-1252. The reader
// hands out one character at a time and gives EndOfInput at the end and ever after; a
// byte 26 inside the document ends it too.

#include <cstddef>
#include <string_view>

#include "html/parser/Windows1252.h"

inline constexpr char32_t EndOfInput = 26;

enum class TTextEncoding { Utf8, Windows1252 };

// Whether the bytes are UTF-8 throughout (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

class TSourceText {
 public:
  TSourceText() = default;
  // The bytes stay the caller's and must outlive the reader.
  explicit TSourceText(std::string_view bytes);

  TTextEncoding Encoding() const { return Encoding_; }
  // Where the next character starts, counted in bytes from the start of the bytes given. The
  // reader never goes back, so the bytes before it are no longer needed.
  const char* Position() const { return Pos; }

  // The next byte when it is a printable ASCII character other than "<" (which may open a
  // comment), consumed; else 0 and nothing is consumed. The tokenizer's fast path.
  char32_t NextPlainAscii() {
    if (Pos == End) return 0;
    unsigned char byte = static_cast<unsigned char>(*Pos);
    if (byte < 32 || byte >= 0x80 || byte == '<') return 0;
    ++Pos;
    return byte;
  }

  char32_t Next() {
    if (Pos == End) return EndOfInput;
    unsigned char byte = static_cast<unsigned char>(*Pos);
    if (byte < 0x80) {
      ++Pos;
      return byte;
    }
    if (Encoding_ == TTextEncoding::Windows1252) {
      ++Pos;
      return Windows1252Char(byte);
    }
    return NextUtf8Sequence();
  }

 private:
  // A multi-byte sequence; a broken one (possible only after a byte order mark) reads as
  // one U+FFFD per byte.
  char32_t NextUtf8Sequence();

  const char* Pos = nullptr;
  const char* End = nullptr;
  TTextEncoding Encoding_ = TTextEncoding::Utf8;
};
