#pragma once
// Bytes in memory as a byte source: a page the host hands over whole, or, handed out at most
// piece bytes a read, a pipe or slow device that returns short reads. The bytes are not
// copied and must outlive the source.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string_view>

#include "html/parser/ByteSource.h"

class TMemoryBytes : public TByteSource {
 public:
  explicit TMemoryBytes(std::string_view bytes,
                        std::size_t piece = std::numeric_limits<std::size_t>::max())
      : Bytes(bytes), Piece(std::max<std::size_t>(piece, 1)) {}

  std::size_t Read(char* into, std::size_t size) override {
    const std::size_t count = std::min({size, Piece, Bytes.size() - Position});
    if (count) std::memcpy(into, Bytes.data() + Position, count);
    Position += count;
    return count;
  }
  void Rewind() override { Position = 0; }

 private:
  std::string_view Bytes;
  std::size_t Piece;
  std::size_t Position = 0;
};
