// Reads arbitrary bytes as a style sheet and as a STYLE attribute, matches the sheet against
// a small fixed page and computes the values of each element. The first byte chooses: bit 0
// reads three bytes as one value (which may be no character at all: a surrogate, 0, beyond
// U+10FFFF), else every byte is a character; bit 1 reads the sheet as the viewer's own.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "html/style/AncestorFilter.h"
#include "html/style/ComputedStyle.h"
#include "html/style/MediaQueries.h"
#include "html/style/StyleCascade.h"
#include "html/style/PlainStyleElement.h"
#include "html/style/StyleSheet.h"

namespace {

using TPageElement = TPlainStyleElement;

// html > body > div#main.content > (h1, ul > li > a:link, li.x, p.note[lang] > span, pre)
std::deque<TPageElement> Page() {
  std::deque<TPageElement> page;
  auto add = [&](const char* tag, const TPageElement* parent, bool first) -> TPageElement& {
    return page.emplace_back(tag, parent, first);
  };
  TPageElement& html = add("html", nullptr, true);
  TPageElement& body = add("BODY", &html, false);
  TPageElement& main = add("div", &body, true);
  main.IdText = U"main";
  main.ClassText = U"content wide";
  add("h1", &main, true);
  TPageElement& list = add("ul", &main, false);
  TPageElement& item = add("li", &list, true);
  TPageElement& link = add("a", &item, true);
  link.Link = true;
  link.Attributes = {{"href", U"x.html"}};
  add("li", &list, false).ClassText = U"x";
  TPageElement& note = add("p", &main, false);
  note.ClassText = U"note";
  note.Attributes = {{"lang", U"en-US"}, {"class", U"note"}};
  add("span", &note, true).Attributes = {{"title", U"a b"}};
  add("pre", &main, false);
  return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  std::u32string text;
  if (flags & 1) {
    for (std::size_t i = 1; i + 2 < size; i += 3)
      text += char32_t(data[i] | data[i + 1] << 8 | data[i + 2] << 16);
  } else {
    for (std::size_t i = 1; i < size; ++i) text += char32_t(data[i]);
  }

  const TStyleSheet sheet = ParseStyleSheet(text, flags & 2 ? soUserAgent : soAuthor);
  const TDeclarationList inlineStyle = ParseDeclarations(text);
  MediaListMatches(text);
  TStyleCascade cascade;
  cascade.AddSheet(sheet);

  const std::deque<TPageElement> page = Page();
  // In page order, where a parent comes before its children.
  std::deque<TComputedStyle> values;
  std::deque<TAncestorFilter> filters;
  const TComputedStyle initial;
  for (std::size_t i = 0; i < page.size(); ++i) {
    const TPageElement& element = page[i];
    std::size_t parent = i;
    for (std::size_t j = 0; j < i; ++j)
      if (&page[j] == element.Up) parent = j;
    TAncestorFilter& filter = filters.emplace_back();
    if (parent < i) {
      filter = filters[parent];
      filter.AddNamesOf(page[parent]);
    }
    // Half the elements gather their ancestors' names in the cascade, half bring them.
    TDeclaredStyle declared;
    cascade.Cascade(element, i % 3 == 0 ? &inlineStyle : nullptr, declared,
                    i % 2 ? &filter : nullptr);
    const TComputedStyle& style = values.emplace_back(
        ComputeStyle(declared, parent < i ? &values[parent] : nullptr, initial));
    if (!(style.FontPx >= MinFontPx && style.FontPx <= MaxFontPx)) __builtin_trap();
    if (!(style.MarginLeftPx >= -MaxIndentPx && style.MarginLeftPx <= MaxIndentPx))
      __builtin_trap();
    if (style.FontWeight < 1 || style.FontWeight > 1000) __builtin_trap();
    if (style.FontFamily)
      for (const TFontFamily& family : *style.FontFamily) (void)family.Name.size();
  }
  return 0;
}
