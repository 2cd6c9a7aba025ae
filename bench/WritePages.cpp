// Writes the benchmark pages into a folder: a page of paragraphs, one of nested lists and a
// plain-text log, each also at twice the size to show how cost grows; and, for the window's
// times from 1 KB to 100 MB, pages of paragraphs and logs of every tenfold size, a 50 MB page
// of mixed markup and a 100 MB log. A large page already written at its size is kept.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "bench/PageGenerator.h"

namespace {

constexpr std::size_t MB = 1024 * 1024;

bool Write(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary);
  file << content;
  return static_cast<bool>(file);
}

// The generators are deterministic, so a file of the size asked for is the same page again.
bool WriteOnce(const std::string& path, std::size_t bytes,
               const std::function<std::string(std::size_t)>& generate) {
  std::error_code error;
  if (std::filesystem::file_size(path, error) >= bytes && !error) return true;
  return Write(path, generate(bytes));
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
            Write(folder + "/page-1kb.html", GenerateMarkupPage(1024)) &&
            Write(folder + "/page-10kb.html", GenerateMarkupPage(10 * 1024)) &&
            Write(folder + "/page-100kb.html", GenerateMarkupPage(100 * 1024)) &&
            Write(folder + "/page-1mb.html", GenerateMarkupPage(MB)) &&
            Write(folder + "/log-1kb.txt", GenerateTextLog(1024)) &&
            Write(folder + "/log-100kb.txt", GenerateTextLog(100 * 1024)) &&
            Write(folder + "/log-1mb.txt", GenerateTextLog(MB)) &&
            WriteOnce(folder + "/mixed-50mb.html", 50 * MB, GenerateMixedPage) &&
            WriteOnce(folder + "/log-100mb.txt", 100 * MB, GenerateTextLog) &&
            Write(folder + "/styled-50k.html", GenerateStyledPage(50000, true)) &&
            Write(folder + "/unstyled-50k.html", GenerateStyledPage(50000, false));
  if (!ok) std::fprintf(stderr, "bench_pages: can't write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
