#include "html/parser/DocumentFile.h"

#include <filesystem>
#include <fstream>

#include "html/support/Errors.h"

std::string ReadDocumentFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Can't locate file: " + fileName);
  // One read into a buffer of the file's size; what a file that grows meanwhile adds is read
  // after it in blocks.
  std::string bytes;
  std::error_code error;
  const auto size = std::filesystem::is_regular_file(fileName, error)
                        ? std::filesystem::file_size(fileName, error)
                        : 0;
  if (!error && size > 0) {
    bytes.resize(size);
    file.read(bytes.data(), std::streamsize(size));
    bytes.resize(std::size_t(file.gcount()));
  }
  char block[65536];
  while (file.read(block, sizeof block) || file.gcount() > 0)
    bytes.append(block, std::size_t(file.gcount()));
  if (file.bad()) throw EInOutError("Can't locate file: " + fileName);
  return bytes;
}
