#include "html/parser/GzipBytes.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t InputSize = 65536;
// 15 bits of window, gzip headers only.
constexpr int GzipWindowBits = 15 + 16;

}  // namespace

TGzipBytes::TGzipBytes(std::unique_ptr<TByteSource> compressed)
    : Compressed(std::move(compressed)),
      Stream(std::make_unique<z_stream_s>()),
      Input(std::make_unique<unsigned char[]>(InputSize)) {
  if (inflateInit2(Stream.get(), GzipWindowBits) != Z_OK) {
    Stream.reset();
    Mode = mdEnded;
  }
}

TGzipBytes::~TGzipBytes() {
  if (Stream) inflateEnd(Stream.get());
}

void TGzipBytes::Rewind() {
  Compressed->Rewind();
  if (!Stream) return;
  inflateReset(Stream.get());
  Stream->avail_in = 0;
  Mode = mdUnknown;
  Produced = 0;
}

bool TGzipBytes::FillInput() {
  if (Stream->avail_in > 0) return true;
  const std::size_t got = Compressed->Read(reinterpret_cast<char*>(Input.get()), InputSize);
  Stream->next_in = Input.get();
  Stream->avail_in = uInt(got);
  return got > 0;
}

bool TGzipBytes::StartsMember() {
  if (!FillInput()) return false;
  if (Stream->avail_in == 1) {
    // The mark may go on in the next piece of the file.
    Input[0] = Stream->next_in[0];
    const std::size_t got =
        Compressed->Read(reinterpret_cast<char*>(Input.get()) + 1, InputSize - 1);
    Stream->next_in = Input.get();
    Stream->avail_in = uInt(1 + got);
  }
  return Stream->avail_in >= 2 && Stream->next_in[0] == 0x1F && Stream->next_in[1] == 0x8B;
}

std::size_t TGzipBytes::Read(char* into, std::size_t size) {
  size = std::size_t(std::min<std::uint64_t>(size, MaxInflatedBytes - Produced));
  if (size == 0 || Mode == mdEnded) return 0;
  if (Mode == mdUnknown) {
    // The first two bytes tell: a gzip member, or bytes to pass on as they are.
    Mode = StartsMember() ? mdGzip : mdPlain;
  }
  const std::size_t got = Mode == mdGzip ? Inflate(into, size) : PassOn(into, size);
  if (got == 0) Mode = mdEnded;
  Produced += got;
  return got;
}

std::size_t TGzipBytes::PassOn(char* into, std::size_t size) {
  if (!FillInput()) return 0;
  const std::size_t count = std::min<std::size_t>(size, Stream->avail_in);
  std::memcpy(into, Stream->next_in, count);
  Stream->next_in += count;
  Stream->avail_in -= uInt(count);
  return count;
}

std::size_t TGzipBytes::Inflate(char* into, std::size_t size) {
  Stream->next_out = reinterpret_cast<unsigned char*>(into);
  Stream->avail_out = uInt(std::min<std::size_t>(size, 1u << 30));
  const uInt wanted = Stream->avail_out;
  while (Stream->avail_out > 0) {
    // A file cut short ends the content with what was inflated from it.
    if (!FillInput()) break;
    const int result = inflate(Stream.get(), Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      // Another member may follow; anything else after a member is not content.
      if (!StartsMember()) break;
      inflateReset(Stream.get());
    } else if (result != Z_OK) {
      break;  // corrupt data: what came before it stays
    }
  }
  const std::size_t got = wanted - Stream->avail_out;
  // Short of what was asked only at the end, or at a fault: nothing more comes after it.
  if (got < wanted) Mode = mdEnded;
  return got;
}
