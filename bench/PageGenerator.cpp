#include "bench/PageGenerator.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

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

namespace {

// A run of count words of the page's vocabulary, now and then in bold, italics or a link.
void AppendWords(std::string& page, TRandom& random, int count) {
  for (int w = 0; w < count; ++w) {
    const std::string_view word = Words[random.Below(Words.size())];
    switch (random.Below(16)) {
      case 0: page += "<B>"; page += word; page += "</B>"; break;
      case 1: page += "<CODE>"; page += word; page += "</CODE>"; break;
      case 2:
        page += "<A HREF=\"#s" + std::to_string(random.Below(1000)) + "\">";
        page += word;
        page += "</A>";
        break;
      default: page += word; break;
    }
    page += (w % 14 == 13) ? "\n" : " ";
  }
}

}  // namespace

std::string GenerateMixedPage(std::size_t bytes) {
  TRandom random;
  std::string page;
  page.reserve(bytes + 8192);
  page += "<HTML><HEAD><TITLE>Reference</TITLE></HEAD>\n<BODY BGCOLOR=white>\n";
  for (int section = 0; page.size() < bytes; ++section) {
    page += "<H2><A NAME=\"s" + std::to_string(section) + "\">Section " +
            std::to_string(section) + "</A></H2>\n";
    for (int block = 0; block < 6; ++block) {
      switch (random.Below(8)) {
        case 0:
        case 1:
        case 2:
          page += "<P>";
          AppendWords(page, random, 30 + int(random.Below(60)));
          page += "</P>\n";
          break;
        case 3: {
          page += "<UL>\n";
          const int items = 3 + int(random.Below(8));
          for (int i = 0; i < items; ++i) {
            page += "<LI>";
            AppendWords(page, random, 4 + int(random.Below(12)));
            if (random.Below(4) == 0) {
              page += "<OL><LI>";
              AppendWords(page, random, 5);
              page += "<LI>";
              AppendWords(page, random, 5);
              page += "</OL>";
            }
            page += "\n";
          }
          page += "</UL>\n";
          break;
        }
        case 4: {
          page += "<TABLE BORDER=1 CELLPADDING=2>\n<TR><TH>Name<TH>Type<TH>Description\n";
          const int rows = 2 + int(random.Below(10));
          for (int r = 0; r < rows; ++r) {
            page += "<TR><TD><CODE>field" + std::to_string(r) + "</CODE><TD>int<TD>";
            AppendWords(page, random, 3 + int(random.Below(10)));
            page += "\n";
          }
          page += "</TABLE>\n";
          break;
        }
        case 5: {
          page += "<PRE>\n";
          const int lines = 2 + int(random.Below(8));
          for (int l = 0; l < lines; ++l)
            page += "  call(" + std::to_string(random.Below(100000)) + ", &amp;value);  /* " +
                    std::string(Words[random.Below(Words.size())]) + " */\n";
          page += "</PRE>\n";
          break;
        }
        case 6:
          page += "<DL><DT><B>term</B><DD>";
          AppendWords(page, random, 10 + int(random.Below(20)));
          page += "</DL>\n";
          break;
        default:
          if (random.Below(10) == 0)
            page += "<FORM><INPUT NAME=q SIZE=20> <INPUT TYPE=submit VALUE=Go></FORM>\n";
          else
            page += "<HR>\n";
          break;
      }
    }
  }
  page += "</BODY></HTML>\n";
  return page;
}

std::string GenerateListPage(std::size_t bytes) {
  TRandom random;
  std::string page;
  page.reserve(bytes + 4096);
  page += "<HTML><HEAD><TITLE>Lists</TITLE></HEAD><BODY>\n";
  std::vector<bool> open;  // true: an ordered list
  while (page.size() < bytes) {
    std::size_t action = random.Below(10);
    if ((action < 2 && open.size() < 6) || open.empty()) {
      bool ordered = random.Below(2) == 0;
      page += ordered ? "<OL TYPE=i>\n" : "<UL>\n";
      open.push_back(ordered);
    } else if (action < 3) {
      page += open.back() ? "</OL>\n" : "</UL>\n";
      open.pop_back();
    } else {
      page += "<LI>";
      int words = 3 + static_cast<int>(random.Below(20));
      for (int w = 0; w < words; ++w) {
        page += Words[random.Below(Words.size())];
        page += ' ';
      }
      page += '\n';
    }
  }
  while (!open.empty()) {
    page += open.back() ? "</OL>\n" : "</UL>\n";
    open.pop_back();
  }
  page += "</BODY></HTML>\n";
  return page;
}

std::string GenerateTextLog(std::size_t bytes) {
  TRandom random;
  std::string log;
  log.reserve(bytes + 256);
  for (long line = 0; log.size() < bytes; ++line) {
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "2026-12-08 %02ld:%02ld:%02ld.%03ld ", line / 3600000 % 24,
                  line / 60000 % 60, line / 1000 % 60, line % 1000);
    log += stamp;
    log += random.Below(5) == 0 ? "WARN  " : "INFO  ";
    int words = 2 + static_cast<int>(random.Below(18));
    for (int w = 0; w < words; ++w) {
      log += Words[random.Below(Words.size())];
      log += w + 1 < words ? " " : "";
    }
    log += '\n';
  }
  return log;
}
