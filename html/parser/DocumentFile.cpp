#include "html/parser/DocumentFile.h"

#include <fstream>
#include <iterator>

#include "html/support/Errors.h"

std::string ReadDocumentFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Can't locate file: " + fileName);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw EInOutError("Can't locate file: " + fileName);
  return bytes;
}
