#include "html/parser/SourceText.h"
#include "html/parser/MemoryBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "html/parser/CharsetDeclaration.h"
#include "html/parser/ConvertedBytes.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
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

// What the bytes hold, read as UTF-8.
struct TUtf8Tally {
  std::size_t Sequences = 0;  // valid multi-byte sequences
  std::size_t Stray = 0;      // bytes that belong to none: each would read as U+FFFD

  bool MostlyUtf8() const { return Stray == 0 || Sequences > Stray; }
};

// Tallies bytes as UTF-8 up to their end or, unless final, up to a sequence that more bytes
// may complete; returns where it stopped.
const char* TallyUtf8(std::string_view bytes, bool final, TUtf8Tally& tally) {
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
    if (length == 0) {
      ++tally.Stray;
      ++p;
    } else {
      ++tally.Sequences;
      p += length;
    }
  }
  return reinterpret_cast<const char*>(p);
}

// The bytes before the first byte 26, which ends a document read directly.
std::string_view BeforeEnd(std::string_view bytes, bool& ended) {
  const std::size_t eof = bytes.find(static_cast<char>(EndOfInput));
  if (eof == std::string_view::npos) return bytes;
  ended = true;
  return bytes.substr(0, eof);
}

// The bytes a stream holds before its end or its first byte 26.
std::size_t ReadUpToEnd(TByteSource& stream, char* into, std::size_t size, bool& ended) {
  const std::size_t got = stream.Read(into, size);
  if (got == 0) ended = true;
  return BeforeEnd(std::string_view(into, got), ended).size();
}

// The character set a document's first bytes name, and the bytes of its byte order mark;
// no character set when the bytes must be judged.
struct THeadChoice {
  const TCharset* Charset = nullptr;
  std::size_t Skip = 0;
};

THeadChoice ChooseByHead(std::string_view head, TSourceKind kind) {
  if (head.starts_with(Utf16LeMark)) return {&Utf16LeCharset, Utf16LeMark.size()};
  if (head.starts_with(Utf16BeMark)) return {&Utf16BeCharset, Utf16BeMark.size()};
  if (head.starts_with(Utf8Mark)) return {&Utf8Charset, Utf8Mark.size()};
  if (kind == TSourceKind::PlainText) return {};
  return {DeclaredCharset(head), 0};
}

bool NeedsConversion(const TCharset* charset) {
  return charset && !charset->Converter.empty();
}

}  // namespace

TSourceText::TSourceText() = default;
TSourceText::TSourceText(TSourceText&&) noexcept = default;
TSourceText& TSourceText::operator=(TSourceText&&) noexcept = default;
TSourceText::~TSourceText() = default;

TSourceText::TSourceText(std::string_view bytes, TSourceKind kind) {
  THeadChoice choice = ChooseByHead(bytes, kind);
  if (NeedsConversion(choice.Charset)) {
    auto memory = std::make_unique<TMemoryBytes>(bytes);
    if (auto conversion = TConvertedBytes::Open(*memory, *choice.Charset, choice.Skip)) {
      OwnedBytes = std::move(memory);
      ReadConverted(std::move(conversion), *choice.Charset);
      return;
    }
    choice = {};  // the system cannot read it: the bytes are judged
  }
  bool ended = false;
  // The document ends at the first byte 26; what follows it is not read, nor judged.
  bytes = BeforeEnd(bytes.substr(choice.Skip), ended);
  Pos = bytes.data();
  End = bytes.data() + bytes.size();
  if (!choice.Charset) {
    TUtf8Tally tally;
    TallyUtf8(bytes, true, tally);
    choice.Charset = tally.MostlyUtf8() ? &Utf8Charset : &Windows1252Charset;
  }
  ReadDirectly(*choice.Charset);
}

TSourceText::TSourceText(TByteSource& bytes, TSourceKind kind)
    : Buffer(std::make_unique<char[]>(StreamBufferSize)) {
  // The byte order mark and the declaration are judged on the whole head, however few bytes
  // each read of the source gives.
  char* buffer = Buffer.get();
  bool ended = false;
  std::size_t got = 0;
  while (got < DeclarationReach && !ended) {
    const std::size_t read = bytes.Read(buffer + got, DeclarationReach - got);
    if (read == 0) ended = true;
    got += read;
  }
  THeadChoice choice = ChooseByHead(std::string_view(buffer, got), kind);
  std::unique_ptr<TConvertedBytes> conversion;
  if (NeedsConversion(choice.Charset)) {
    conversion = TConvertedBytes::Open(bytes, *choice.Charset, choice.Skip);
    if (!conversion) choice = {};  // the system cannot read it: the bytes are judged
  }

  if (!choice.Charset) {
    // The first pass: the whole document tallied as UTF-8, through the one buffer.
    got = BeforeEnd(std::string_view(buffer, got), ended).size();
    TUtf8Tally tally;
    for (;;) {
      const char* tallied = TallyUtf8(std::string_view(buffer, got), ended, tally);
      if (ended) break;
      const std::size_t kept = std::size_t(buffer + got - tallied);
      std::memmove(buffer, tallied, kept);
      got = kept + ReadUpToEnd(bytes, buffer + kept, StreamBufferSize - kept, ended);
    }
    choice.Charset = tally.MostlyUtf8() ? &Utf8Charset : &Windows1252Charset;
  }

  bytes.Rewind();
  if (conversion) {
    ReadConverted(std::move(conversion), *choice.Charset);
    return;
  }
  Stream = &bytes;
  StreamEnded = false;
  Pos = End = buffer;
  for (std::size_t skip = choice.Skip; skip > 0 && (Pos != End || ReadOn());) {
    const std::size_t skipped = std::min(skip, std::size_t(End - Pos));
    Pos += skipped;
    skip -= skipped;
  }
  ReadDirectly(*choice.Charset);
}

void TSourceText::ReadConverted(std::unique_ptr<TConvertedBytes> conversion,
                                const TCharset& charset) {
  Conversion = std::move(conversion);
  Stream = Conversion.get();
  if (!Buffer) Buffer = std::make_unique<char[]>(StreamBufferSize);
  StreamEnded = false;
  Pos = End = Buffer.get();
  Charset_ = &charset;
  Windows1252Bytes = false;  // the conversion gives UTF-8
}

void TSourceText::ReadDirectly(const TCharset& charset) {
  Charset_ = &charset;
  Windows1252Bytes = &charset == &Windows1252Charset;
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
  // A sequence may reach into the bytes not read yet, however few each read gives.
  while (std::size_t(End - Pos) < MaxSequence && !StreamEnded) ReadOn();
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
