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

namespace {

// Class names the styled page and its sheet share; the sheet names half of those the page
// uses, as real sheets leave many classes unstyled.
std::string StyleClass(std::size_t n) { return "c" + std::to_string(n); }
constexpr std::size_t StyleClasses = 400;

// A sheet of `rules` rules in the proportions documentation sheets show: classes alone,
// in chains and on types, descendant and child selectors, a few ids, links and first
// children, and declarations of supported and unsupported properties.
std::string DocumentationSheet(TRandom& random, int rules) {
  constexpr std::array<std::string_view, 12> Declarations{
      "color: #336699",     "margin-left: 2em",     "font-weight: bold",
      "font-family: Georgia, serif", "background-color: #f0f0f0", "text-decoration: none",
      "font-size: 90%",     "padding: 0 1em",       "border: 1px solid #ccc",
      "line-height: 1.5",   "text-align: center",   "font-style: italic"};
  constexpr std::array<std::string_view, 8> Tags{"div", "p", "ul", "li", "td", "pre", "span", "a"};
  std::string sheet;
  for (int i = 0; i < rules; ++i) {
    const auto cls = [&] { return "." + StyleClass(random.Below(StyleClasses)); };
    const auto tag = [&] { return std::string(Tags[random.Below(Tags.size())]); };
    std::string selector;
    switch (i % 10) {
      case 0: case 1: case 2: selector = cls(); break;
      case 3: case 4: selector = cls() + " " + cls(); break;
      case 5: selector = tag() + cls(); break;
      case 6: selector = cls() + " > " + tag(); break;
      case 7: selector = cls() + " " + tag(); break;
      case 8: selector = "#s" + std::to_string(random.Below(2000)) + " " + cls(); break;
      default: selector = cls() + " a:link, " + cls() + " li:first-child"; break;
    }
    sheet += selector + " {";
    for (std::size_t d = 0, count = 1 + random.Below(3); d < count; ++d)
      sheet.append(" ").append(Declarations[random.Below(Declarations.size())]).append(";");
    sheet += " }\n";
  }
  return sheet;
}

}  // namespace

std::string GenerateStyledPage(std::size_t elements, bool withSheet) {
  TRandom random;
  std::string page = "<!DOCTYPE html>\n<html><head><title>Styled benchmark page</title>\n";
  if (withSheet) page += "<style>\n" + DocumentationSheet(random, 2000) + "</style>\n";
  page += "</head><body>\n";
  std::size_t count = 2;
  const auto cls = [&] { return StyleClass(random.Below(2 * StyleClasses)); };
  const auto words = [&](std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
      const std::string_view word = Words[random.Below(Words.size() - 3)];
      text += word;
      text += ' ';
    }
    return text;
  };
  for (int section = 0; count < elements; ++section) {
    page += "<div class=\"section " + cls() + "\" id=\"s" + std::to_string(section) + "\">\n<h2>" +
            words(4) + "</h2>\n";
    count += 2;
    for (int p = 0; p < 3; ++p) {
      page += "<p class=\"" + cls() + "\">" + words(6) + "<span class=\"" + cls() + "\">" +
              words(2) + "</span> " + words(5) + "<a class=\"" + cls() + "\" href=\"#s" +
              std::to_string(random.Below(1000)) + "\">" + words(2) + "</a> <code>" + words(1) +
              "</code> " + words(4) + "</p>\n";
      count += 4;
    }
    page += "<ul class=\"" + cls() + "\">";
    for (int item = 0; item < 4; ++item) {
      page += "<li><a href=\"#s" + std::to_string(item) + "\">" + words(3) + "</a>";
      count += 2;
    }
    page += "</ul>\n<pre class=\"" + cls() + "\">" + words(8) + "\n" + words(5) +
            "</pre>\n<table class=\"" + cls() + "\"><tr><td class=\"" + cls() + "\">" + words(2) +
            "<td>" + words(3) + "</table>\n</div>\n";
    count += 6;
  }
  page += "</body></html>\n";
  return page;
}
