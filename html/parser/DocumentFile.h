#pragma once
// Reading a document's bytes from disk.

#include <string>

// The whole file. A file that cannot be opened or read raises EInOutError
// "Can't locate file: " followed by the name.
std::string ReadDocumentFile(const std::string& fileName);
