#include "html/builder/PageStyles.h"

#include <filesystem>

#include "html/parser/DocumentSource.h"
#include "html/style/MediaQueries.h"
#include "html/support/LetterCase.h"

namespace {

// Sizes follow the builder's scales (twelfths of the default size): headings 24, 18, 15,
// 12, 10 and 8, fixed-pitch text 10 whatever holds it.
constexpr std::u32string_view ViewerSheetText = UR"(
h1, h2, h3, h4, h5, h6, b, strong, th { font-weight: bold }
h1 { font-size: 2em } h2 { font-size: 1.5em } h3 { font-size: 1.25em } h4 { font-size: 1em }
h5 { font-size: 0.833333em } h6 { font-size: 0.666667em }
i, em, cite, var, address { font-style: italic }
u { text-decoration: underline } s, strike { text-decoration: line-through }
sub { vertical-align: sub } sup { vertical-align: super }
pre, listing, xmp, plaintext, tt, code, kbd, samp, var {
  font-family: monospace; font-size: 0.833333rem }
big { font-size: larger } small { font-size: smaller }
center, th { text-align: center }
a:link { color: blue; text-decoration: underline }
)";

bool NamesStyleSheet(std::u32string_view rel) {
  bool sheet = false;
  std::size_t start = 0;
  while (start < rel.size()) {
    std::size_t end = rel.find_first_of(U" \t\r\n\f", start);
    if (end == std::u32string_view::npos) end = rel.size();
    const std::u32string word = LowerAscii(std::u32string(rel.substr(start, end - start)));
    if (word == U"alternate") return false;
    if (word == U"stylesheet") sheet = true;
    start = end + 1;
  }
  return sheet;
}

}  // namespace

const TStyleSheet& ViewerStyleSheet() {
  static const TStyleSheet sheet = ParseStyleSheet(ViewerSheetText, soUserAgent);
  return sheet;
}

TPageStyles::TPageStyles(const TPageStyleOptions& options, const TComputedStyle& initial)
    : Options(options), Elements(Cascade, ViewerStyleSheet(), initial) {
  Cascade.AddSheet(ViewerStyleSheet());
}

void TPageStyles::AddStyleElement(std::u32string_view text, const std::u32string* media) {
  if (media && !MediaListMatches(*media)) return;
  AddSheet(text, std::string(), true, U"");
}

void TPageStyles::AddLinkElement(const TAttributeList& attributes, std::u32string_view base) {
  const TAttribute* rel = nullptr;
  const TAttribute* href = nullptr;
  const TAttribute* media = nullptr;
  for (const auto& attribute : attributes) {
    const std::string& name = attribute->Name;
    if (name == "REL" && !rel) rel = attribute.get();
    if (name == "HREF" && !href) href = attribute.get();
    if (name == "MEDIA" && !media) media = attribute.get();
  }
  if (!rel || !href || !NamesStyleSheet(rel->StrValue)) return;
  if (media && !MediaListMatches(media->StrValue)) return;
  if (!Options.ResolveLink) return;
  const std::string file = Options.ResolveLink(href->StrValue, base, std::string());
  if (file.empty()) return;
  if (const std::optional<std::u32string> text = ReadSheetFile(file))
    AddSheet(*text, file, true, base);
}

void TPageStyles::AddSheet(std::u32string_view text, const std::string& file, bool imports,
                           std::u32string_view base) {
  if (Sheets.size() >= MaxSheets) return;
  auto sheet = std::make_unique<TStyleSheet>(ParseStyleSheet(text));
  if (imports && Options.ResolveLink) {
    // Imported sheets come before the rules of the sheet that imports them.
    for (const TStyleImport& import : sheet->Imports) {
      const std::string name = Options.ResolveLink(import.Url, file.empty() ? base : U"", file);
      if (name.empty()) continue;
      if (const std::optional<std::u32string> imported = ReadSheetFile(name))
        AddSheet(*imported, name, false, base);
    }
  }
  if (Sheets.size() >= MaxSheets) return;
  if (sheet->Rules.empty()) return;
  Cascade.AddSheet(*sheet);
  Sheets.push_back(std::move(sheet));
  Elements.PageStyled = true;
}

std::optional<std::u32string> TPageStyles::ReadSheetFile(const std::string& name) const {
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
  try {
    const std::unique_ptr<TByteSource> bytes = OpenDocumentSource(name);
    TSourceText source(*bytes, TSourceKind::PlainText);
    std::u32string text;
    for (char32_t ch = source.Next(); ch != EndOfInput; ch = source.Next()) {
      if (text.size() >= MaxSheetBytes) break;
      text += ch;
    }
    return text;
  } catch (const std::exception&) {
    // An unreadable sheet is no sheet.
    return std::nullopt;
  }
}
