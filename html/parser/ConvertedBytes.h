#pragma once
// Text in another character set, read as UTF-8 through the C library's converters. The
// conversion goes piece by piece through buffers of its own: a character whose bytes are
// split between two reads of the source is completed from the next. Each character the
// converter cannot read becomes U+FFFD, and the text goes on after it. The names given to the
// converter say everything it needs, so the process locale plays no part.

#include <iconv.h>

#include <memory>

#include "html/parser/ByteSource.h"
#include "html/parser/Charsets.h"

class TConvertedBytes : public TByteSource {
 public:
  // Reads source, which must outlive the conversion, from where it stands at the first read
  // (its start), leaving out the first skip bytes (a byte order mark). Nothing when the system
  // has no converter for the character set.
  static std::unique_ptr<TConvertedBytes> Open(TByteSource& source, const TCharset& charset,
                                               std::size_t skip);
  ~TConvertedBytes() override;
  TConvertedBytes(const TConvertedBytes&) = delete;
  TConvertedBytes& operator=(const TConvertedBytes&) = delete;

  std::size_t Read(char* into, std::size_t size) override;
  void Rewind() override;

 private:
  TConvertedBytes(TByteSource& source, iconv_t converter, std::size_t skip, std::size_t unit);
  // Fills the output anew; false when the text is at its end.
  bool Convert();
  // Keeps the input not converted yet and reads more behind it.
  void ReadMore();

  TByteSource& Source;
  iconv_t Converter;
  const std::size_t Skip;
  const std::size_t Unit;  // the bytes an unreadable character is taken to hold
  std::size_t SkipLeft;
  std::unique_ptr<char[]> In, Out;
  std::size_t InStart = 0, InEnd = 0, OutStart = 0, OutEnd = 0;
  bool SourceEnded = false;
  bool Flushed = false;  // the converter gave up what it held back at the end
};
