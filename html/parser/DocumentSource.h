#pragma once
// Where the bytes of a document come from, by its name: a folder gives the page that lists it
// (FolderListing.h), a name ending in ".gz" (any letter case) the inflated content of the file
// (GzipBytes.h), any other name the file as it is.

#include <memory>
#include <string>

#include "html/parser/SourceText.h"

// Whether name stands for a document: a file or a folder.
bool DocumentExists(const std::string& name);

// Where the anchor of "NAME#anchor" begins: none when the whole is a document, else at the
// last "#" whose left part is one (a file name may hold "#", written %23 in a link), else at
// the first one, so that a missing document is reported by the name before it.
std::size_t AnchorMark(const std::string& name);

// The bytes of the document; a file that cannot be opened raises EInOutError
// "Can't locate file: " followed by the name.
std::unique_ptr<TByteSource> OpenDocumentSource(const std::string& name);

// Bytes held in memory.
class TStringBytes : public TByteSource {
 public:
  explicit TStringBytes(std::string bytes) : Bytes(std::move(bytes)) {}
  std::size_t Read(char* into, std::size_t size) override;
  void Rewind() override { Position = 0; }

 private:
  std::string Bytes;
  std::size_t Position = 0;
};
