// hostile_pages [--small] DIR: writes the hostile pages into DIR, one file per case, and lists
// their names on standard output. The full set holds the sizes the engine must survive (nesting
// 100,000 deep, 10^6 attributes, a 100 MB line); --small writes the same shapes at sizes that a
// sanitizer build reads in seconds, for the test run.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TSizes {
  int Depth;            // nesting depth of each nesting tag
  int Attributes;       // attributes on one tag
  std::size_t LineBytes;  // length of the line without a blank
  int Cells;            // cells in one row, and rows in one table
  int Images;           // images of one missing file
  std::size_t NoiseBytes;  // length of the pages of NUL bytes and broken UTF-8
};

constexpr TSizes FullSizes{100000, 1000000, 100u << 20, 100000, 100000, 8u << 20};
constexpr TSizes SmallSizes{3000, 30000, 1u << 20, 3000, 3000, 128u << 10};

// Every tag that has an end form, and the list items and terms that nest inside lists.
constexpr std::string_view NestingTags[] = {
    "html", "title", "body", "head", "b", "i", "h1", "em", "strong", "u", "cite", "var",
    "tt", "code", "kbd", "samp", "ol", "ul", "dir", "menu", "dl", "a href=x", "address",
    "blockquote", "pre", "center", "table", "td", "th", "caption", "form", "textarea",
    "select", "option", "font size=7", "sub", "sup", "big", "small", "p", "map", "frameset",
    "noframes", "script", "div align=right", "s", "strike", "tr", "li", "dd", "dt",
    "section", "article", "aside", "nav", "header", "footer", "main", "figure", "figcaption",
    "hgroup", "details", "summary", "listing", "xmp", "style", "template", "math", "svg",
    "span id=x"};

class TWriter {
 public:
  TWriter(const std::string& dir, std::string_view name) : Path(dir + "/" + std::string(name)) {
    Out.open(Path, std::ios::binary);
    std::cout << name << '\n';
  }
  ~TWriter() {
    Out.close();
    if (!Out) {
      std::cerr << "hostile_pages: can't write " << Path << '\n';
      std::exit(1);
    }
  }
  TWriter& operator<<(std::string_view text) {
    Out.write(text.data(), std::streamsize(text.size()));
    return *this;
  }
  void Repeat(std::string_view text, std::size_t count) {
    std::string block;
    for (std::size_t i = 0; i < count; ++i) {
      block += text;
      if (block.size() >= (1u << 20)) {
        *this << block;
        block.clear();
      }
    }
    *this << block;
  }

 private:
  std::string Path;
  std::ofstream Out;
};

std::string FileNameOf(std::string_view tag) {
  std::string name(tag.substr(0, tag.find(' ')));
  return "nest-" + name + ".html";
}

void WriteNesting(const std::string& dir, const TSizes& sizes) {
  for (std::string_view tag : NestingTags) {
    TWriter page(dir, FileNameOf(tag));
    std::string_view name = tag.substr(0, tag.find(' '));
    page.Repeat("<" + std::string(tag) + ">x", std::size_t(sizes.Depth));
    page.Repeat("</" + std::string(name) + ">", std::size_t(sizes.Depth));
    page << "end";
  }
  // All of them in turn, never closed.
  TWriter page(dir, "nest-mixed.html");
  std::string round;
  for (std::string_view tag : NestingTags) round += "<" + std::string(tag) + ">y";
  page.Repeat(round, std::size_t(sizes.Depth) / std::size(NestingTags) + 1);
}

// One FONT tag and one anchor, each with the attributes: known names repeated, unknown names,
// bare names and values that are numbers out of range.
void WriteAttributes(const std::string& dir, const TSizes& sizes) {
  TWriter page(dir, "attributes.html");
  for (std::string_view tag : {"font", "a"}) {
    page << "<" << tag;
    std::string block;
    for (int i = 0; i < sizes.Attributes; ++i) {
      switch (i % 4) {
        case 0: block += " size=" + std::to_string(i % 9 - 4); break;
        case 1: block += " x" + std::to_string(i) + "='" + std::to_string(i) + "'"; break;
        case 2: block += " href=#" + std::to_string(i) + " name"; break;
        default: block += " color=#" + std::to_string(i) + " width=99999999999%"; break;
      }
      if (block.size() >= (1u << 20)) {
        page << block;
        block.clear();
      }
    }
    page << block << ">text</" << tag << ">";
  }
}

// Every element its own link target, and inline SVG longer than the markup kept of it.
void WriteTargetsAndSvg(const std::string& dir, const TSizes& sizes) {
  {
    TWriter page(dir, "ids.html");
    for (int i = 0; i < sizes.Attributes; ++i) page << "<a id=" << std::to_string(i) << "></a>";
  }
  TWriter page(dir, "svg-long.html");
  page << "<svg><text>";
  page.Repeat("x", sizes.LineBytes);
  page << "</text></svg>after";
}

void WriteLongLines(const std::string& dir, const TSizes& sizes) {
  {
    TWriter page(dir, "long-line.html");
    page.Repeat("x", sizes.LineBytes);
  }
  {
    TWriter page(dir, "long-line-pre.html");
    page << "<pre>";
    page.Repeat("x", sizes.LineBytes);
  }
  {
    TWriter page(dir, "long-line-link.html");
    page << "<a href=\"";
    page.Repeat("y", sizes.LineBytes / 2);
    page << "\">";
    page.Repeat("x", sizes.LineBytes / 2);
  }
  TWriter text(dir, "long-line.txt");
  text.Repeat("x", sizes.LineBytes);
}

void WriteTablesAndImages(const std::string& dir, const TSizes& sizes) {
  {
    TWriter page(dir, "table-cells.html");
    page << "<table border=1><tr>";
    page.Repeat("<td>c", std::size_t(sizes.Cells));
    page << "</table>";
  }
  {
    TWriter page(dir, "table-rows.html");
    page << "<table border=1>";
    page.Repeat("<tr><td>r<td>s", std::size_t(sizes.Cells));
    page << "</table>";
  }
  {
    TWriter page(dir, "table-nested.html");
    page.Repeat("<table><tr><td>", std::size_t(sizes.Depth));
    page << "deep";
  }
  {
    TWriter page(dir, "images.html");
    page.Repeat("<img src=missing.gif alt=m>", std::size_t(sizes.Images));
  }
  {
    // A GIF whose screen and image claim 65535 x 65535, with one code of data.
    TWriter picture(dir, "huge.gif");
    const unsigned char bytes[] = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0,
                                   0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x2C, 0, 0, 0, 0, 0xFF, 0xFF,
                                   0xFF, 0xFF, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    picture << std::string_view(reinterpret_cast<const char*>(bytes), sizeof bytes);
  }
  TWriter page(dir, "image-huge.html");
  page << "<img src=huge.gif><p><img src=huge.gif width=10 height=10>";
}

// Markup with NUL bytes and broken UTF-8 sequences inside tag names, attribute names and
// values, entities, comments and text; once without and once with a byte order mark (which
// makes the broken sequences reach the UTF-8 decoder).
void WriteBadBytes(const std::string& dir, const TSizes& sizes) {
  static const std::string_view pieces[] = {
      "<", "b>", "</", "a href=\"", "\"", "&#", "&amp", ";", "<!--", "-->", "<pre>", "</pre>",
      "<ul><li>", "<font size=", "<h", "<table><tr><td>", "<img src=", "<p align=", "<!",
      "<script>", "</script>", "<textarea>", "</textarea>", "<title>", "\r", "\n", " ", "x",
      "<svg>", "</svg>", "<style>", "<xmp>", "</xmp>", "/>", "<?", " id=",
      std::string_view("\0", 1), "\xFF", "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xC0\x80",
      "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80\x80", "\x1A"};
  for (std::string_view name : {"bad-bytes.html", "bad-bytes-bom.html", "bad-bytes.txt"}) {
    TWriter page(dir, name);
    if (name == "bad-bytes-bom.html") page << "\xEF\xBB\xBF";
    std::string block;
    unsigned seed = 12345;
    std::size_t written = 0;
    while (written < sizes.NoiseBytes) {
      seed = seed * 1103515245u + 12345u;
      std::string_view piece = pieces[(seed >> 16) % std::size(pieces)];
      // Byte 26 ends a document: keep it rare so most of the noise is read.
      if (piece == "\x1A" && written + 64 < sizes.NoiseBytes) continue;
      block += piece;
      written += piece.size();
      if (block.size() >= (1u << 20)) {
        page << block;
        block.clear();
      }
    }
    page << block;
  }
}

// Long paragraphs of scripts without spaces and of right-to-left text, and a storm of
// directional controls: line breaking by the Unicode rules, reordering and letter joining run
// over the whole of each.
void WriteScripts(const std::string& dir, const TSizes& sizes) {
  const auto repeatTo = [&](TWriter& page, std::string_view piece, std::size_t bytes) {
    page.Repeat(piece, bytes / piece.size());
  };
  {
    TWriter page(dir, "cjk-long-line.html");  // 中文。「 without end
    repeatTo(page, "\xE4\xB8\xAD\xE6\x96\x87\xE3\x80\x82\xE3\x80\x8C", sizes.LineBytes);
  }
  {
    TWriter page(dir, "cjk-table.html");  // a cell of 字 without end
    page << "<table><tr><td>";
    repeatTo(page, "\xE5\xAD\x97", sizes.LineBytes);
  }
  {
    TWriter page(dir, "rtl-long-line.html");
    // Words and spaces: a paragraph of a great many lines, each reordered. A quarter of the
    // long line, since the dump, which shows every line's drawing order too, holds about a
    // kilobyte for each line.
    page << "<p dir=rtl>";  // "שלום word 123 " without end
    repeatTo(page, "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D word 123 ", sizes.LineBytes / 4);
  }
  {
    TWriter page(dir, "arabic-long-line.html");  // لامس without a space
    repeatTo(page, "\xD9\x84\xD8\xA7\xD9\x85\xD8\xB3", sizes.LineBytes);
  }
  {
    // Embeddings, overrides, isolates and brackets opened far beyond any depth the algorithm
    // keeps, on one line.
    TWriter page(dir, "bidi-controls.html");
    repeatTo(page, "\xE2\x80\xAE\xE2\x81\xA7" "a\xD7\x90\xE2\x80\xAB(", sizes.LineBytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  TSizes sizes = FullSizes;
  if (!args.empty() && args[0] == "--small") {
    sizes = SmallSizes;
    args.erase(args.begin());
  }
  if (args.size() != 1) {
    std::cerr << "usage: hostile_pages [--small] DIR\n";
    return 2;
  }
  const std::string& dir = args[0];
  WriteNesting(dir, sizes);
  WriteAttributes(dir, sizes);
  WriteTargetsAndSvg(dir, sizes);
  WriteLongLines(dir, sizes);
  WriteTablesAndImages(dir, sizes);
  WriteBadBytes(dir, sizes);
  WriteScripts(dir, sizes);
  return 0;
}
