// Style matching: a generated sheet of 2,000 rules of the kinds documentation sites write,
// matched against 50,000 elements met in document order, each computed over its parent as
// the document builder will. Also the same elements with no rules and with a small sheet of
// defaults, and the most a hostile sheet can cost: the matcher's limit of selectors, all of
// them universal.

#include <cstdio>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/Timing.h"
#include "html/style/ComputedStyle.h"
#include "html/style/StyleCascade.h"
#include "html/style/PlainStyleElement.h"
#include "html/style/StyleLimits.h"

namespace {

constexpr int RuleCount = 2000;
constexpr int ElementCount = 50000;
constexpr int ClassNames = 600;
constexpr int Runs = 5;

struct TBenchElement : TPlainStyleElement {
  int ParentIndex = -1;
};

std::u32string U32(const std::string& ascii) { return std::u32string(ascii.begin(), ascii.end()); }
// Names built by appending: GCC 12 warns wrongly about a literal prepended to a temporary.
std::string Named(const char* prefix, int n) {
  std::string name = prefix;
  name += std::to_string(n);
  return name;
}
std::string Class(int n) { return Named("c", n); }

const char* const BlockTags[] = {"div", "p",  "ul", "li", "table", "tr",        "td",
                                 "pre", "dl", "dd", "h2", "h3",    "blockquote"};
const char* const InlineTags[] = {"a", "span", "code", "em", "strong", "b", "i", "tt"};

// Rules in the proportions documentation sheets show: mostly classes, alone, in chains and
// on types; a few types in chains, ids, links, attributes and first children; a handful of
// universal ones; some the engine drops (:hover).
std::u32string Sheet(std::mt19937& random) {
  const char* const Declarations[] = {"color: #336699",
                                      "margin-left: 2em",
                                      "font-weight: bold",
                                      "font-family: Georgia, serif",
                                      "background-color: #f0f0f0",
                                      "text-decoration: none",
                                      "font-size: 90%",
                                      "padding: 0 1em",
                                      "display: block",
                                      "white-space: pre-wrap",
                                      "list-style: none",
                                      "border: 1px solid #ccc",
                                      "line-height: 1.5",
                                      "text-align: center"};
  std::string sheet;
  auto pick = [&](int n) { return int(random() % unsigned(n)); };
  auto block = [&] { return std::string(BlockTags[pick(13)]); };
  auto inlineTag = [&] { return std::string(InlineTags[pick(8)]); };
  auto cls = [&] { return Named(".c", pick(ClassNames)); };
  for (int i = 0; i < RuleCount; ++i) {
    std::string selector;
    const int kind = i % 100;
    if (kind < 30)
      selector = cls();
    else if (kind < 45)
      selector = cls() + " " + cls();
    else if (kind < 52)
      selector = block() + cls();
    else if (kind < 58)
      selector = cls() + " > " + cls();
    else if (kind < 63)
      selector = cls() + " " + inlineTag();
    else if (kind < 67)
      selector = cls() + " > " + block();
    else if (kind < 70)
      selector = block() + cls() + " " + block() + cls();
    else if (kind < 73)
      selector = Named("#id", pick(200)) + (pick(2) ? " " + cls() : "");
    else if (kind < 76)
      selector = cls() + " a:link, " + cls() + ":hover";
    else if (kind < 78)
      selector = cls() + " a[href^=\"http\"]";
    else if (kind < 80)
      selector = cls() + " > li:first-child";
    else if (kind < 85)
      selector = block() + " " + inlineTag();
    else if (kind < 90)
      selector = block();
    else if (kind < 91)
      selector = cls() + " *";
    else
      selector = cls() + ", " + cls();
    sheet += selector + " {";
    for (int d = 0, count = 2 + pick(3); d < count; ++d)
      sheet += std::string(" ") + Declarations[pick(14)] + ";";
    sheet += " }\n";
  }
  return U32(sheet);
}

// Elements in document order, nested up to 14 deep; most carry a class, a few an id.
std::deque<TBenchElement> Page(std::mt19937& random) {
  std::deque<TBenchElement> page;
  std::vector<int> open;
  std::vector<bool> hasChild;
  auto pick = [&](int n) { return int(random() % unsigned(n)); };
  for (int i = 0; i < ElementCount; ++i) {
    while (!open.empty() && (open.size() > 14 || pick(3) == 0)) {
      open.pop_back();
      hasChild.pop_back();
    }
    TBenchElement& element = page.emplace_back();
    const bool inlineElement = !open.empty() && pick(3) == 0;
    element.Tag = inlineElement ? InlineTags[pick(8)] : BlockTags[pick(13)];
    if (!open.empty()) {
      element.ParentIndex = open.back();
      element.Up = &page[std::size_t(open.back())];
      element.First = !hasChild.back();
      hasChild.back() = true;
    }
    if (pick(10) < 6) {
      element.ClassText = U32(Class(pick(ClassNames * 2)));  // half of them no rule names
      if (pick(4) == 0) {
        element.ClassText += U' ';
        element.ClassText += U32(Class(pick(ClassNames * 2)));
      }
    }
    if (pick(50) == 0) element.IdText = U32(Named("id", pick(400)));
    if (element.Tag == "a") {
      element.Link = true;
      element.Attributes.push_back({"href", pick(2) ? U"http://example.org/" : U"page.html"});
    }
    if (pick(20) == 0) element.Attributes.push_back({"lang", U"en"});
    open.push_back(i);
    hasChild.push_back(false);
  }
  return page;
}

// Declared and computed values of every element, in order, with a cascade of these sheets
// made afresh for each run; the median milliseconds of Runs. steps: the match steps the
// last run took.
double StylePage(std::initializer_list<const TStyleSheet*> sheets,
                 const std::deque<TBenchElement>& page, std::size_t& steps) {
  std::vector<double> times;
  std::vector<TComputedStyle> values(page.size());
  std::vector<TAncestorFilter> filters(page.size());
  const TComputedStyle initial;
  for (int run = 0; run < Runs; ++run) {
    TStyleCascade cascade;
    for (const TStyleSheet* sheet : sheets) cascade.AddSheet(*sheet);
    times.push_back(TimeMilliseconds([&] {
      TDeclaredStyle declared;
      for (std::size_t i = 0; i < page.size(); ++i) {
        // Each element's ancestor filter grows from its parent's, as the builder keeps them.
        const int parent = page[i].ParentIndex;
        if (parent >= 0) {
          filters[i] = filters[std::size_t(parent)];
          filters[i].AddNamesOf(page[std::size_t(parent)]);
        }
        cascade.Cascade(page[i], nullptr, declared, &filters[i]);
        values[i] =
            ComputeStyle(declared, parent < 0 ? nullptr : &values[std::size_t(parent)], initial);
      }
    }));
    steps = MaxMatchSteps - cascade.MatchStepsLeft();
  }
  return Median(times);
}

void Report(const char* what, std::initializer_list<const TStyleSheet*> sheets,
            const std::deque<TBenchElement>& page) {
  std::size_t steps = 0;
  const double milliseconds = StylePage(sheets, page, steps);
  std::printf("%-44s %8.1f ms %6.0f ns per element, %5.0f match steps per element\n", what,
              milliseconds, milliseconds * 1e6 / double(page.size()),
              double(steps) / double(page.size()));
}

}  // namespace

int main() {
  std::mt19937 random(16);
  const std::u32string text = Sheet(random);
  const std::deque<TBenchElement> page = Page(random);

  std::vector<double> parseTimes;
  for (int run = 0; run < Runs; ++run)
    parseTimes.push_back(TimeMilliseconds([&] { ParseStyleSheet(text); }));
  const TStyleSheet sheet = ParseStyleSheet(text);
  std::printf("sheet: %zu rules kept, %zu selectors, %zu dropped; parsed in %.2f ms (%.0f KB)\n",
              sheet.Stats.RulesKept, sheet.Stats.SelectorsKept, sheet.Stats.SelectorsDropped,
              Median(parseTimes), double(text.size()) / 1024);

  Report("no rules", {}, page);

  const TStyleSheet defaults = ParseStyleSheet(
      U"html, body, div, p, ul, ol, dl, dd, table, pre, h1, h2, h3, h4, h5, h6, blockquote,"
      U"address, center, form, hr { display: block } li { display: list-item }"
      U"head, script, style, title { display: none } a:link { color: #0000ee; text-decoration: "
      U"underline }"
      U"b, strong { font-weight: bold } i, em, cite, var { font-style: italic }"
      U"pre, code, tt, kbd, samp { font-family: monospace } pre { white-space: pre }"
      U"h1 { font-size: 2em } h2 { font-size: 1.5em } h3 { font-size: 1.17em } center { "
      U"text-align: center }",
      soUserAgent);
  Report("the viewer's defaults only (40 selectors)", {&defaults}, page);
  Report("defaults and 2,000 rules", {&defaults, &sheet}, page);

  // The worst a sheet can do: every selector universal, matching every element.
  std::u32string hostile;
  for (std::size_t i = 0; i < MaxSheetSelectors; ++i) hostile += U"* * {color:red}";
  const TStyleSheet worst = ParseStyleSheet(hostile);
  char label[64];
  std::snprintf(label, sizeof label, "hostile: %zu universal selectors", worst.Selectors.size());
  Report(label, {&defaults, &worst}, page);
  return 0;
}
