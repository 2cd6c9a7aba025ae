// Writes the benchmark pages into a folder: a page of paragraphs, one of nested lists and a
// plain-text log, each also at twice the size to show how cost grows.

#include <cstdio>
#include <fstream>
#include <string>

#include "bench/PageGenerator.h"

namespace {

constexpr std::size_t MB = 1024 * 1024;

bool Write(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary);
  file << content;
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_pages FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  bool ok = Write(folder + "/page-5mb.html", GenerateMarkupPage(5 * MB)) &&
            Write(folder + "/page-10mb.html", GenerateMarkupPage(10 * MB)) &&
            Write(folder + "/lists-2mb.html", GenerateListPage(2 * MB)) &&
            Write(folder + "/lists-4mb.html", GenerateListPage(4 * MB)) &&
            Write(folder + "/log-5mb.txt", GenerateTextLog(5 * MB)) &&
            Write(folder + "/log-10mb.txt", GenerateTextLog(10 * MB)) &&
            Write(folder + "/styled-50k.html", GenerateStyledPage(50000, true)) &&
            Write(folder + "/unstyled-50k.html", GenerateStyledPage(50000, false));
  if (!ok) std::fprintf(stderr, "bench_pages: can't write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
