#include "html/parser/DocumentFile.h"

#include "html/support/Errors.h"

TDocumentFile::TDocumentFile(const std::string& fileName)
    : FileName(fileName), File(fileName, std::ios::binary) {
  if (!File) Fail();
}

void TDocumentFile::Fail() const { throw EInOutError("Can't locate file: " + FileName); }

std::size_t TDocumentFile::Read(char* into, std::size_t size) {
  File.read(into, std::streamsize(size));
  if (File.bad()) Fail();
  return std::size_t(File.gcount());
}

void TDocumentFile::Rewind() {
  File.clear();
  File.seekg(0);
  if (!File) Fail();
}

std::string ReadDocumentFile(const std::string& fileName) {
  TDocumentFile file(fileName);
  std::string bytes;
  char block[65536];
  while (const std::size_t got = file.Read(block, sizeof block)) bytes.append(block, got);
  return bytes;
}
