#pragma once
// Bytes of a document read as characters. A document that starts with a UTF-8 byte order
// mark, or that is entirely valid UTF-8, is UTF-8; any other is Windows-1252. The reader
// hands out one character at a time and gives EndOfInput at the end and ever after; a
// byte 26 inside the document ends it too.

#include <cstddef>
#include <memory>
#include <string_view>

#include "html/parser/Windows1252.h"

inline constexpr char32_t EndOfInput = 26;

enum class TTextEncoding { Utf8, Windows1252 };

// Whether the bytes are UTF-8 throughout (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Bytes that come piece by piece, a file's for one.
class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Up to size bytes into into; how many, 0 only at the end.
  virtual std::size_t Read(char* into, std::size_t size) = 0;
  // Starts again from the first byte.
  virtual void Rewind() = 0;
};

class TSourceText {
 public:
  TSourceText() = default;
  // The bytes stay the caller's and must outlive the reader.
  explicit TSourceText(std::string_view bytes);
  // Reads the bytes through a buffer of its own: once through to learn the encoding, then
  // again as characters are asked for. The source must outlive the reader.
  explicit TSourceText(TByteSource& bytes);

  TTextEncoding Encoding() const { return Encoding_; }

  // The next byte when it is a printable ASCII character other than "<" (which may open a
  // comment), consumed; else 0 and nothing is consumed. The tokenizer's fast path.
  char32_t NextPlainAscii() {
    if (Pos == End) return 0;  // Next() reads on
    unsigned char byte = static_cast<unsigned char>(*Pos);
    if (byte < 32 || byte >= 0x80 || byte == '<') return 0;
    ++Pos;
    return byte;
  }

  char32_t Next() {
    if (Pos == End && !ReadOn()) return EndOfInput;
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
  // Refills the buffer of a streamed source, keeping the bytes not read yet; false when
  // nothing is left to read.
  bool ReadOn();

  const char* Pos = nullptr;
  const char* End = nullptr;
  TTextEncoding Encoding_ = TTextEncoding::Utf8;
  // A streamed source and its buffer; none for bytes given whole.
  TByteSource* Stream = nullptr;
  std::unique_ptr<char[]> Buffer;
  bool StreamEnded = true;
};
