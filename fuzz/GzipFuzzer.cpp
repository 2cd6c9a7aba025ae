// Inflates arbitrary bytes as a compressed page is read: once through, then again after a
// rewind, as the source reader does. Both reads must give the same content.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "html/parser/DocumentSource.h"
#include "html/parser/GzipBytes.h"
#include "html/parser/SourceText.h"

namespace {

std::string ReadAll(TByteSource& source) {
  std::string content;
  char block[4096];
  while (const std::size_t got = source.Read(block, sizeof block)) content.append(block, got);
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TGzipBytes gzip(
      std::make_unique<TStringBytes>(std::string(reinterpret_cast<const char*>(data), size)));
  const std::string first = ReadAll(gzip);
  gzip.Rewind();
  if (ReadAll(gzip) != first || first.size() > TGzipBytes::MaxInflatedBytes) __builtin_trap();
  gzip.Rewind();
  TSourceText text(gzip);
  while (text.Next() != EndOfInput) {
  }
  return 0;
}
