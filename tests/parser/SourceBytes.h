#pragma once
// Test helpers: documents read through the source reader, whole or from a byte source.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "html/parser/SourceText.h"

// Bytes handed out at most Piece at a time, as a pipe or a slow device might.
class TPiecewiseBytes : public TByteSource {
 public:
  TPiecewiseBytes(std::string_view bytes, std::size_t piece) : Bytes(bytes), Piece(piece) {}
  std::size_t Read(char* into, std::size_t size) override {
    const std::size_t count = std::min({size, Piece, Bytes.size() - Pos});
    std::memcpy(into, Bytes.data() + Pos, count);
    Pos += count;
    return count;
  }
  void Rewind() override { Pos = 0; }

 private:
  std::string_view Bytes;
  std::size_t Piece;
  std::size_t Pos = 0;
};

inline std::u32string ReadAll(TSourceText& source) {
  std::u32string out;
  for (char32_t c = source.Next(); c != EndOfInput; c = source.Next()) out += c;
  return out;
}

inline std::u32string ReadAll(std::string_view bytes) {
  TSourceText source(bytes);
  return ReadAll(source);
}

// The document read from a source that gives one byte per read.
inline std::u32string ReadByteByByte(std::string_view bytes) {
  TPiecewiseBytes stream(bytes, 1);
  TSourceText source(stream);
  return ReadAll(source);
}

inline std::string_view CharsetOf(std::string_view bytes,
                                  TSourceKind kind = TSourceKind::Markup) {
  return TSourceText(bytes, kind).Charset().Name;
}
