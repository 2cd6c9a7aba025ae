#include "bench/PageGenerator.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace {

// A small fixed generator, so every run measures the same page.
class TRandom {
 public:
  std::uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State;
  }
  std::size_t Below(std::size_t n) { return Next() % n; }

 private:
  std::uint32_t State = 2463534242u;
};

constexpr std::array<std::string_view, 24> Words{
    "the",    "quick",   "layout", "browser", "renders", "local", "pages",  "with",
    "tables", "images",  "and",    "forms",   "while",   "text",  "flows",  "around",
    "floating", "pictures", "of", "every", "size", "caf&eacute;", "&amp;", "&#8212;"};

}  // namespace

std::string GenerateMarkupPage(std::size_t bytes) {
  TRandom random;
  std::string page;
  page.reserve(bytes + 4096);
  page += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML><HEAD>"
          "<TITLE>Benchmark page</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=black>\n";
  int paragraph = 0;
  while (page.size() < bytes) {
    page += "<P ALIGN=left>";
    if (paragraph % 10 == 0) page += "<!-- section " + std::to_string(paragraph) + " -->\n";
    int words = 40 + static_cast<int>(random.Below(80));
    for (int w = 0; w < words; ++w) {
      switch (random.Below(24)) {
        case 0: page += "<B>"; page += Words[random.Below(Words.size())]; page += "</B>"; break;
        case 1: page += "<I>"; page += Words[random.Below(Words.size())]; page += "</I>"; break;
        case 2:
          page += "<FONT SIZE=+1 COLOR=\"#800000\" FACE=\"Arial\">";
          page += Words[random.Below(Words.size())];
          page += "</FONT>";
          break;
        case 3:
          page += "<A HREF=\"page" + std::to_string(random.Below(100)) + ".htm#s" +
                  std::to_string(random.Below(50)) + "\">";
          page += Words[random.Below(Words.size())];
          page += "</A>";
          break;
        default: page += Words[random.Below(Words.size())]; break;
      }
      page += (w % 12 == 11) ? "\n" : " ";
    }
    page += "</P>\n";
    ++paragraph;
  }
  page += "</BODY></HTML>\n";
  return page;
}
