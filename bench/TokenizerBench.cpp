// Tokenizes a generated 5 MB page several times and reports the median speed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/PageGenerator.h"
#include "html/parser/Tokenizer.h"

int main() {
  constexpr std::size_t PageBytes = 5 * 1024 * 1024;
  constexpr int Runs = 9;
  const std::string page = GenerateMarkupPage(PageBytes);

  std::vector<double> seconds;
  std::size_t symbols = 0;
  for (int run = 0; run < Runs; ++run) {
    auto start = std::chrono::steady_clock::now();
    TTokenizer tokens(page);
    tokens.Start();
    symbols = 0;
    while (tokens.CurSym != symEof) {
      tokens.NextSymbol();
      ++symbols;
    }
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  double median = seconds[Runs / 2];
  double megabytes = static_cast<double>(page.size()) / (1024.0 * 1024.0);
  std::printf("tokenizer: %.1f MB page, %zu symbols, median %.1f ms, %.0f MB/s\n", megabytes,
              symbols, median * 1000.0, megabytes / median);
  return 0;
}
