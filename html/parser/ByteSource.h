#pragma once
// Bytes that come piece by piece, a file's for one.

#include <cstddef>

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Up to size bytes into into; how many, 0 only at the end.
  virtual std::size_t Read(char* into, std::size_t size) = 0;
  // Starts again from the first byte.
  virtual void Rewind() = 0;
};
