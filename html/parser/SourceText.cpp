#include "html/parser/SourceText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// The buffer of a streamed source.
constexpr std::size_t StreamBufferSize = 65536;
// The longest UTF-8 sequence.
constexpr std::size_t MaxSequence = 4;

// Length of the valid UTF-8 sequence at p (at most n bytes available), or 0.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t n, char32_t& decoded) {
  unsigned char b0 = p[0];
  std::size_t length;
  char32_t value;
  char32_t minimum;
  if (b0 >= 0xC2 && b0 <= 0xDF) { length = 2; value = b0 & 0x1F; minimum = 0x80; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { length = 3; value = b0 & 0x0F; minimum = 0x800; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { length = 4; value = b0 & 0x07; minimum = 0x10000; }
  else return 0;
  if (n < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    value = value << 6 | (p[i] & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  decoded = value;
  return length;
}

// Checks bytes as UTF-8 up to where it is wrong (null then) or, unless final, up to a sequence
// that more bytes may complete; returns where the check stopped.
const char* CheckUtf8(std::string_view bytes, bool final) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    // Plain ASCII goes eight bytes at a time.
    if (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if ((word & 0x8080808080808080ULL) == 0) { p += 8; continue; }
    }
    if (*p < 0x80) { ++p; continue; }
    if (!final && std::size_t(end - p) < MaxSequence) break;
    char32_t decoded;
    std::size_t length = Utf8SequenceLength(p, static_cast<std::size_t>(end - p), decoded);
    if (length == 0) return nullptr;
    p += length;
  }
  return reinterpret_cast<const char*>(p);
}

// The bytes a stream holds before its end or its first byte 26.
std::size_t ReadUpToEnd(TByteSource& stream, char* into, std::size_t size, bool& ended) {
  const std::size_t got = stream.Read(into, size);
  if (got == 0) ended = true;
  const char* eof = static_cast<const char*>(std::memchr(into, char(EndOfInput), got));
  if (!eof) return got;
  ended = true;
  return std::size_t(eof - into);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) { return CheckUtf8(bytes, true) != nullptr; }

TSourceText::TSourceText(std::string_view bytes) {
  // The document ends at the first byte 26; what follows it is not read, nor judged.
  if (auto eof = bytes.find(static_cast<char>(EndOfInput)); eof != std::string_view::npos)
    bytes = bytes.substr(0, eof);
  Pos = bytes.data();
  End = bytes.data() + bytes.size();
  if (bytes.starts_with(ByteOrderMark)) {
    Pos += ByteOrderMark.size();
    Encoding_ = TTextEncoding::Utf8;
  } else {
    Encoding_ = IsValidUtf8(bytes) ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
  }
}

TSourceText::TSourceText(TByteSource& bytes)
    : Stream(&bytes), Buffer(std::make_unique<char[]>(StreamBufferSize)) {
  // The first pass judges the encoding as the constructor for whole bytes does.
  char* buffer = Buffer.get();
  bool ended = false, valid = true, first = true, marked = false;
  std::size_t kept = 0;
  while (!ended && valid) {
    const std::size_t got =
        kept + ReadUpToEnd(bytes, buffer + kept, StreamBufferSize - kept, ended);
    if (first && std::string_view(buffer, got).starts_with(ByteOrderMark)) marked = true;
    first = false;
    if (marked) break;
    const char* checked = CheckUtf8(std::string_view(buffer, got), ended);
    valid = checked != nullptr;
    if (!valid) break;
    kept = std::size_t(buffer + got - checked);
    std::memmove(buffer, checked, kept);
  }
  Encoding_ = marked || valid ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
  bytes.Rewind();
  StreamEnded = false;
  Pos = End = buffer;
  if (marked && ReadOn()) Pos += std::min(ByteOrderMark.size(), std::size_t(End - Pos));
}

bool TSourceText::ReadOn() {
  if (StreamEnded) return Pos != End;
  const std::size_t kept = std::size_t(End - Pos);
  std::memmove(Buffer.get(), Pos, kept);
  const std::size_t got = ReadUpToEnd(*Stream, Buffer.get() + kept, StreamBufferSize - kept,
                                      StreamEnded);
  Pos = Buffer.get();
  End = Pos + kept + got;
  return Pos != End;
}

char32_t TSourceText::NextUtf8Sequence() {
  // A sequence may reach into the bytes not read yet.
  if (std::size_t(End - Pos) < MaxSequence && !StreamEnded) ReadOn();
  char32_t decoded = 0;
  std::size_t length = Utf8SequenceLength(reinterpret_cast<const unsigned char*>(Pos),
                                          static_cast<std::size_t>(End - Pos), decoded);
  if (length == 0) {
    ++Pos;
    return 0xFFFD;
  }
  Pos += length;
  return decoded;
}
