#pragma once
// Test helpers: documents read through the source reader, whole or from a byte source.

#include <string>
#include <string_view>

#include "html/parser/MemoryBytes.h"
#include "html/parser/SourceText.h"

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
  TMemoryBytes stream(bytes, 1);
  TSourceText source(stream);
  return ReadAll(source);
}

inline std::string_view CharsetOf(std::string_view bytes,
                                  TSourceKind kind = TSourceKind::Markup) {
  return TSourceText(bytes, kind).Charset().Name;
}
