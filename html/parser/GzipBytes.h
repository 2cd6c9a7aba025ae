#pragma once
// The content of a gzip file, inflated (zlib) as the reader asks for it: only a buffer of
// compressed bytes is held, never the whole content.
//
// What cannot be inflated ends the content where it stands: a truncated file shows what came
// before its end, a corrupt one what inflated before the fault showed. Members written one after
// another (as `cat a.gz b.gz` makes them) are read as one content. Bytes that do not begin as gzip
// data are passed on as they are. However small the file, the content ends after MaxInflatedBytes.

#include <cstdint>
#include <memory>

#include "html/parser/SourceText.h"

struct z_stream_s;

class TGzipBytes : public TByteSource {
 public:
  // Far more than any page holds, and a bound for a file made to inflate without end.
  static constexpr std::uint64_t MaxInflatedBytes = std::uint64_t(64) << 20;

  explicit TGzipBytes(std::unique_ptr<TByteSource> compressed);
  ~TGzipBytes() override;
  TGzipBytes(const TGzipBytes&) = delete;
  TGzipBytes& operator=(const TGzipBytes&) = delete;

  std::size_t Read(char* into, std::size_t size) override;
  void Rewind() override;

 private:
  enum TMode { mdUnknown, mdGzip, mdPlain, mdEnded };
  // Reads more bytes of the file when none are left unread; false at its end.
  bool FillInput();
  // Whether the unread bytes begin a gzip member (with two bytes at hand when the file has
  // them).
  bool StartsMember();
  std::size_t Inflate(char* into, std::size_t size);
  std::size_t PassOn(char* into, std::size_t size);

  std::unique_ptr<TByteSource> Compressed;
  std::unique_ptr<z_stream_s> Stream;  // also the cursor in Input, in both modes
  std::unique_ptr<unsigned char[]> Input;
  TMode Mode = mdUnknown;
  std::uint64_t Produced = 0;
};
