#include "html/parser/DocumentSource.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "html/parser/DocumentFile.h"
#include "html/parser/FolderListing.h"
#include "html/parser/GzipBytes.h"
#include "html/support/LetterCase.h"

bool DocumentExists(const std::string& name) {
  std::error_code error;
  const auto status = std::filesystem::status(name, error);
  return std::filesystem::is_regular_file(status) || std::filesystem::is_directory(status);
}

std::size_t AnchorMark(const std::string& name) {
  if (DocumentExists(name)) return std::string::npos;
  for (std::size_t hash = name.rfind('#'); hash != std::string::npos && hash > 0;
       hash = name.rfind('#', hash - 1))
    if (DocumentExists(name.substr(0, hash))) return hash;
  return name.find('#');
}

std::unique_ptr<TByteSource> OpenDocumentSource(const std::string& name) {
  std::error_code error;
  if (std::filesystem::is_directory(name, error))
    return std::make_unique<TStringBytes>(FolderListingPage(name, ReadFolder(name)));
  auto file = std::make_unique<TDocumentFile>(name);
  if (name.size() > 3 && EqualsIgnoringCase(std::string_view(name).substr(name.size() - 3), ".gz"))
    return std::make_unique<TGzipBytes>(std::move(file));
  return file;
}

std::size_t TStringBytes::Read(char* into, std::size_t size) {
  const std::size_t count = std::min(size, Bytes.size() - Position);
  std::memcpy(into, Bytes.data() + Position, count);
  Position += count;
  return count;
}
