#pragma once
// Bytes of a document read as characters. The character set is, in this order:
// - the one a byte order mark names: UTF-16 little or big endian, or UTF-8;
// - in markup, the one a META declares within the first 1024 bytes, before any byte that is
//   not ASCII (CharsetDeclaration.h), when the system can read it;
// - UTF-8 when the bytes are mostly UTF-8: when no byte is out of place, or when the valid
//   multi-byte sequences outnumber the bytes that belong to none. Each such byte reads as
//   U+FFFD, each sequence read as Windows-1252 would be two to four wrong characters, so this
//   is the reading that garbles fewer; in a Latin-1 page nearly every accented letter is a
//   byte out of place and sequences come only by chance, so it stays Latin-1;
// - Windows-1252 (0xA0-0xFF are Latin-1).
// UTF-8 and Windows-1252 are read straight from the bytes; the others are converted to UTF-8
// on the way (ConvertedBytes.h). The reader hands out one character at a time and gives
// EndOfInput at the end and ever after; a character 26 inside the document ends it too.

#include <cstddef>
#include <memory>
#include <string_view>

#include "html/parser/ByteSource.h"
#include "html/parser/Charsets.h"
#include "html/parser/Windows1252.h"

inline constexpr char32_t EndOfInput = 26;

class TConvertedBytes;

// Whether a META may choose the character set: in a plain-text file or a name it is text.
enum class TSourceKind { Markup, PlainText };

class TSourceText {
 public:
  TSourceText();
  // The bytes stay the caller's and must outlive the reader.
  explicit TSourceText(std::string_view bytes, TSourceKind kind = TSourceKind::Markup);
  // Reads the bytes through a buffer of its own: once through to learn the character set
  // (unless a byte order mark or a declaration names it), then again as characters are asked
  // for. The source must outlive the reader.
  explicit TSourceText(TByteSource& bytes, TSourceKind kind = TSourceKind::Markup);
  TSourceText(TSourceText&&) noexcept;
  TSourceText& operator=(TSourceText&&) noexcept;
  ~TSourceText();

  const TCharset& Charset() const { return *Charset_; }

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
    if (Windows1252Bytes) {
      ++Pos;
      return Windows1252Char(byte);
    }
    return NextUtf8Sequence();
  }

 private:
  // A multi-byte sequence; a broken one reads as one U+FFFD per byte.
  char32_t NextUtf8Sequence();
  // Refills the buffer of a streamed source, keeping the bytes not read yet; false when
  // nothing is left to read.
  bool ReadOn();
  // Reads the document as UTF-8 converted from another character set.
  void ReadConverted(std::unique_ptr<TConvertedBytes> conversion, const TCharset& charset);
  // Reads bytes that are UTF-8 or Windows-1252 themselves.
  void ReadDirectly(const TCharset& charset);

  const char* Pos = nullptr;
  const char* End = nullptr;
  const TCharset* Charset_ = &Utf8Charset;
  bool Windows1252Bytes = false;
  // A streamed source and its buffer; none for bytes given whole and read directly.
  TByteSource* Stream = nullptr;
  std::unique_ptr<char[]> Buffer;
  bool StreamEnded = true;
  // Whole bytes that are converted are streamed from memory; the conversion reads the bytes.
  std::unique_ptr<TByteSource> OwnedBytes;
  std::unique_ptr<TConvertedBytes> Conversion;
};
