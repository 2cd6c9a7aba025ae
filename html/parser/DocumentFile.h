#pragma once
// Reading a document's bytes from disk.

#include <fstream>
#include <string>

#include "html/parser/ByteSource.h"

// A document file, read piece by piece. A file that cannot be opened or read raises
// EInOutError "Can't locate file: " followed by the name.
class TDocumentFile : public TByteSource {
 public:
  explicit TDocumentFile(const std::string& fileName);

  std::size_t Read(char* into, std::size_t size) override;
  void Rewind() override;

 private:
  [[noreturn]] void Fail() const;

  std::string FileName;
  std::ifstream File;
};

// The whole file.
std::string ReadDocumentFile(const std::string& fileName);
