#include "html/parser/DocumentFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

#include "html/support/Errors.h"

namespace {

std::size_t PageSize() {
  static const std::size_t size = std::size_t(sysconf(_SC_PAGESIZE));
  return size;
}

// Anonymous memory for size bytes, whole pages; null for none.
char* MapBytes(std::size_t size, std::size_t& mapped) {
  mapped = (size + PageSize() - 1) / PageSize() * PageSize();
  if (mapped == 0) return nullptr;
  void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  return static_cast<char*>(memory);
}

}  // namespace

TDocumentBytes::TDocumentBytes(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Can't locate file: " + fileName);
  std::error_code error;
  const auto size = std::filesystem::is_regular_file(fileName, error)
                        ? std::filesystem::file_size(fileName, error)
                        : 0;
  if (!error && size > 0) {
    FData = MapBytes(std::size_t(size), FMapped);
    file.read(FData, std::streamsize(size));
    FSize = std::size_t(file.gcount());
  }
  try {
    ReadRest(file, fileName);
  } catch (...) {
    if (FData) munmap(FData, FMapped);
    throw;
  }
}

void TDocumentBytes::ReadRest(std::ifstream& file, const std::string& fileName) {
  // What a file that grows meanwhile adds is read after it, into a larger copy.
  std::string more;
  char block[65536];
  while (file.read(block, sizeof block) || file.gcount() > 0)
    more.append(block, std::size_t(file.gcount()));
  if (file.bad()) throw EInOutError("Can't locate file: " + fileName);
  if (more.empty()) return;
  std::size_t mapped = 0;
  char* data = MapBytes(FSize + more.size(), mapped);
  if (FSize > 0) std::memcpy(data, FData, FSize);
  std::memcpy(data + FSize, more.data(), more.size());
  if (FData) munmap(FData, FMapped);
  FData = data;
  FMapped = mapped;
  FSize += more.size();
}

TDocumentBytes::~TDocumentBytes() {
  if (FData) munmap(FData, FMapped);
}

void TDocumentBytes::Release(const char* readTo) {
  if (!FData || readTo < FData) return;
  const std::size_t upTo = std::min(std::size_t(readTo - FData), FSize) / PageSize() * PageSize();
  if (upTo <= FReleased) return;
  madvise(FData + FReleased, upTo - FReleased, MADV_DONTNEED);
  FReleased = upTo;
}

std::string ReadDocumentFile(const std::string& fileName) {
  const TDocumentBytes bytes(fileName);
  return std::string(bytes.View());
}
