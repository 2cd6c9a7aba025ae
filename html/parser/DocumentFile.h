#pragma once
// Reading a document's bytes from disk.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

// The whole file. A file that cannot be opened or read raises EInOutError
// "Can't locate file: " followed by the name.
std::string ReadDocumentFile(const std::string& fileName);

// A document's bytes in memory of their own, so that what the reader has passed can go back
// to the system while it reads on: a large page then never holds its whole source and its
// whole document at once.
class TDocumentBytes {
 public:
  // Reads the whole file, as ReadDocumentFile does.
  explicit TDocumentBytes(const std::string& fileName);
  ~TDocumentBytes();
  TDocumentBytes(const TDocumentBytes&) = delete;
  TDocumentBytes& operator=(const TDocumentBytes&) = delete;

  std::string_view View() const { return {FData, FSize}; }
  // Gives the whole pages before readTo back to the system. They read as zeros afterwards, so
  // only a reader that never goes back may call this.
  void Release(const char* readTo);

 private:
  void ReadRest(std::ifstream& file, const std::string& fileName);

  char* FData = nullptr;
  std::size_t FSize = 0;
  std::size_t FMapped = 0;
  std::size_t FReleased = 0;  // bytes from the start already given back
};
