#include "html/parser/ConvertedBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t BufferSize = 32768;
constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD
const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t ConversionFailed = static_cast<std::size_t>(-1);

}  // namespace

std::unique_ptr<TConvertedBytes> TConvertedBytes::Open(TByteSource& source,
                                                       const TCharset& charset,
                                                       std::size_t skip) {
  const iconv_t converter = iconv_open("UTF-8", std::string(charset.Converter).c_str());
  if (converter == NoConverter) return nullptr;
  // A UTF-16 unit that is no character (a lone surrogate) is skipped whole.
  const bool utf16 = &charset == &Utf16LeCharset || &charset == &Utf16BeCharset;
  return std::unique_ptr<TConvertedBytes>(
      new TConvertedBytes(source, converter, skip, utf16 ? 2 : 1));
}

TConvertedBytes::TConvertedBytes(TByteSource& source, iconv_t converter, std::size_t skip,
                                 std::size_t unit)
    : Source(source), Converter(converter), Skip(skip), Unit(unit), SkipLeft(skip),
      In(std::make_unique<char[]>(BufferSize)), Out(std::make_unique<char[]>(BufferSize)) {}

TConvertedBytes::~TConvertedBytes() { iconv_close(Converter); }

std::size_t TConvertedBytes::Read(char* into, std::size_t size) {
  if (OutStart == OutEnd && !Convert()) return 0;
  const std::size_t count = std::min(size, OutEnd - OutStart);
  std::memcpy(into, Out.get() + OutStart, count);
  OutStart += count;
  return count;
}

void TConvertedBytes::Rewind() {
  Source.Rewind();
  iconv(Converter, nullptr, nullptr, nullptr, nullptr);
  SkipLeft = Skip;
  InStart = InEnd = OutStart = OutEnd = 0;
  SourceEnded = Flushed = false;
}

void TConvertedBytes::ReadMore() {
  std::memmove(In.get(), In.get() + InStart, InEnd - InStart);
  InEnd -= InStart;
  InStart = 0;
  const std::size_t got = Source.Read(In.get() + InEnd, BufferSize - InEnd);
  if (got == 0) SourceEnded = true;
  InEnd += got;
  const std::size_t skipped = std::min(SkipLeft, InEnd);
  InStart += skipped;
  SkipLeft -= skipped;
}

bool TConvertedBytes::Convert() {
  OutStart = OutEnd = 0;
  bool needMore = false;
  while (OutEnd == 0) {
    if ((needMore || InStart == InEnd) && !SourceEnded) {
      ReadMore();
      needMore = false;
      continue;
    }
    char* out = Out.get();
    std::size_t outLeft = BufferSize;
    if (InStart == InEnd) {
      // The end: what the converter held back to see what follows is all there is.
      if (Flushed) return false;
      Flushed = true;
      iconv(Converter, nullptr, nullptr, &out, &outLeft);
      OutEnd = BufferSize - outLeft;
      return OutEnd > 0;
    }
    char* in = In.get() + InStart;
    std::size_t inLeft = InEnd - InStart;
    const std::size_t result = iconv(Converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    InStart = std::size_t(in - In.get());
    OutEnd = BufferSize - outLeft;
    if (result != ConversionFailed || error == E2BIG) continue;
    if (error == EINVAL && !SourceEnded) {
      needMore = true;  // a character the next bytes complete
      continue;
    }
    // A character that cannot be read, or one the end cuts off.
    if (outLeft < Replacement.size()) break;
    std::memcpy(out, Replacement.data(), Replacement.size());
    OutEnd += Replacement.size();
    InStart = error == EINVAL ? InEnd : std::min(InStart + Unit, InEnd);
  }
  return true;
}
