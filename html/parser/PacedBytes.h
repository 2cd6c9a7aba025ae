#pragma once
// Bytes read a piece at a time with a call before each piece: a parse that reads through them
// can be paused there, between two pieces of its source, or stopped by what the call throws.

#include <algorithm>
#include <cstddef>
#include <functional>

#include "html/parser/ByteSource.h"

struct TReadPace {
  std::size_t Piece = 0;         // the most one read gives
  std::function<void()> Pause;   // called before each read; none: bytes are read as they come
};

class TPacedBytes : public TByteSource {
 public:
  // bytes must outlive the reader.
  TPacedBytes(TByteSource& bytes, TReadPace pace) : Bytes(bytes), Pace(std::move(pace)) {}

  std::size_t Read(char* into, std::size_t size) override {
    if (!Pace.Pause) return Bytes.Read(into, size);
    Pace.Pause();
    return Bytes.Read(into, Pace.Piece > 0 ? std::min(size, Pace.Piece) : size);
  }
  void Rewind() override { Bytes.Rewind(); }

 private:
  TByteSource& Bytes;
  TReadPace Pace;
};
