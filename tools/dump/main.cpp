// tamblin-dump: prints what the engine makes of a document, as JSON.
//   tamblin-dump tokens FILE   the symbol stream, one object per line

#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "html/parser/DocumentFile.h"
#include "tools/dump/TokenDump.h"

namespace {

int Usage() {
  std::cerr << "usage: tamblin-dump tokens FILE\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string mode = argv[1];
  try {
    if (mode == "tokens" && argc == 3) {
      std::string bytes = ReadDocumentFile(argv[2]);
      DumpTokens(bytes, std::cout);
      return 0;
    }
  } catch (const std::exception& error) {
    std::cout.flush();
    std::cerr << error.what() << '\n';
    return 1;
  }
  return Usage();
}
