#include "html/style/Selectors.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "html/style/CssTokenReader.h"
#include "html/style/StyleElement.h"
#include "html/style/StyleLimits.h"
#include "html/support/LetterCase.h"
#include "html/support/Utf8.h"

namespace {

// Pseudo-classes that are valid but that a page being built cannot answer, sorted. Names
// outside these lists are invalid.
constexpr std::u32string_view OtherPseudoClasses[] = {
    U"active",
    U"autofill",
    U"blank",
    U"checked",
    U"closed",
    U"current",
    U"default",
    U"defined",
    U"disabled",
    U"empty",
    U"enabled",
    U"first",
    U"first-of-type",
    U"focus",
    U"focus-visible",
    U"focus-within",
    U"fullscreen",
    U"future",
    U"hover",
    U"in-range",
    U"indeterminate",
    U"invalid",
    U"last-child",
    U"last-of-type",
    U"left",
    U"local-link",
    U"modal",
    U"muted",
    U"only-child",
    U"only-of-type",
    U"open",
    U"optional",
    U"out-of-range",
    U"past",
    U"paused",
    U"picture-in-picture",
    U"placeholder-shown",
    U"playing",
    U"popover-open",
    U"read-only",
    U"read-write",
    U"required",
    U"right",
    U"scope",
    U"target",
    U"target-within",
    U"user-invalid",
    U"user-valid",
    U"valid",
    U"visited",
    U"volume-locked",
};
constexpr std::u32string_view FunctionalPseudoClasses[] = {
    U"current",      U"dir",
    U"has",          U"host",
    U"host-context", U"is",
    U"lang",         U"matches",
    U"not",          U"nth-child",
    U"nth-col",      U"nth-last-child",
    U"nth-last-col", U"nth-last-of-type",
    U"nth-of-type",  U"where",
};
constexpr std::u32string_view PseudoElements[] = {
    U"after",        U"backdrop",    U"before",        U"cue",       U"file-selector-button",
    U"first-letter", U"first-line",  U"grammar-error", U"highlight", U"marker",
    U"part",         U"placeholder", U"selection",     U"slotted",   U"spelling-error",
    U"target-text",
};
// Pseudo-elements that may still be written with one colon.
constexpr std::u32string_view LegacyPseudoElements[] = {
    U"after",
    U"before",
    U"first-letter",
    U"first-line",
};

// Attributes whose values HTML compares without regard to ASCII case, sorted.
constexpr std::string_view CaseInsensitiveAttributes[] = {
    "accept",     "accept-charset", "align",     "alink",    "axis",     "bgcolor", "charset",
    "checked",    "clear",          "codetype",  "color",    "compact",  "declare", "defer",
    "dir",        "direction",      "disabled",  "enctype",  "face",     "frame",   "hreflang",
    "http-equiv", "lang",           "language",  "link",     "media",    "method",  "multiple",
    "nohref",     "noresize",       "noshade",   "nowrap",   "readonly", "rel",     "rev",
    "rules",      "scope",          "scrolling", "selected", "shape",    "target",  "text",
    "type",       "valign",         "valuetype", "vlink",
};

template <typename List, typename Name>
bool Listed(const List& list, Name name) {
  return std::binary_search(std::begin(list), std::end(list), name);
}

std::string LowerName(std::u32string_view name) { return EncodeUtf8(LowerAscii(name)); }

// Whether a tag name in any letter case is the type, which is in lower case. Short names
// are compared often, so the loop stays here.
bool SameTag(std::string_view tag, std::string_view type) {
  if (tag.size() != type.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i)
    if (LowerAscii(tag[i]) != type[i]) return false;
  return true;
}

// Parsing one selector. Invalid input ends it at once; unsupported parts are noted and the
// rest is still read, so that an invalid part after them drops the rule as it must.
class TSelectorReader {
 public:
  explicit TSelectorReader(std::span<const TCssToken> tokens) : Reader(tokens) {}

  TSelectorStatus Read(TSelector& selector);

 private:
  bool ReadCompound(TCompoundSelector& compound);
  bool ReadPseudo(TCompoundSelector& compound);
  bool ReadAttribute(std::span<const TCssToken> contents, TCompoundSelector& compound);
  // A namespace prefix: "|" then a name or "*".
  bool SkipNamespace();

  TCssTokenReader Reader;
  bool Unsupported = false;
};

TSelectorStatus TSelectorReader::Read(TSelector& selector) {
  std::vector<TCompoundSelector> compounds;
  TCombinator combinator = cbDescendant;
  for (;;) {
    TCompoundSelector compound;
    if (!ReadCompound(compound)) return ssInvalid;
    compound.Combinator = combinator;
    if (compounds.size() < MaxCompounds)
      compounds.push_back(std::move(compound));
    else
      Unsupported = true;
    const bool space = Reader.Peek().Is(ctWhitespace);
    Reader.SkipWhitespace();
    if (Reader.AtEnd()) break;
    const TCssToken& next = Reader.Peek();
    if (next.IsDelim(U'>')) {
      combinator = cbChild;
    } else if (next.IsDelim(U'+') || next.IsDelim(U'~')) {
      Unsupported = true;
    } else if (space) {
      combinator = cbDescendant;
      continue;
    } else {
      return ssInvalid;
    }
    Reader.Take();
    Reader.SkipWhitespace();
    if (Reader.AtEnd()) return ssInvalid;  // a combinator with nothing after it
  }
  if (Unsupported) return ssUnsupported;

  // The combinator read before a compound belongs to it; right to left, it then tells how
  // each compound stands to the next one.
  std::reverse(compounds.begin(), compounds.end());
  std::uint32_t ids = 0, classes = 0, types = 0;
  for (const TCompoundSelector& compound : compounds) {
    ids += std::uint32_t(compound.Ids.size());
    classes += std::uint32_t(compound.Classes.size() + compound.Attributes.size()) + compound.Link +
               compound.FirstChild + compound.Root;
    types += !compound.Type.empty();
  }
  selector.Compounds = std::move(compounds);
  selector.Specificity = PackSpecificity(ids, classes, types);
  return ssValid;
}

bool TSelectorReader::SkipNamespace() {
  Unsupported = true;
  Reader.Take();  // "|"
  const TCssToken& name = Reader.Take();
  return name.Is(ctIdent) || name.IsDelim(U'*');
}

bool TSelectorReader::ReadCompound(TCompoundSelector& compound) {
  bool any = false;
  const TCssToken& first = Reader.Peek();
  if (first.Is(ctIdent) || first.IsDelim(U'*')) {
    if (first.Is(ctIdent)) compound.Type = LowerName(first.Text);
    Reader.Take();
    any = true;
  }
  if (Reader.Peek().IsDelim(U'|')) {
    if (!SkipNamespace()) return false;
    any = true;
  }
  std::size_t simple = any ? 1 : 0;
  for (;; ++simple, any = true) {
    const TCssToken& token = Reader.Peek();
    if (token.Is(ctHash)) {
      if (!token.IsIdHash) return false;
      compound.Ids.push_back(token.Text);
      Reader.Take();
    } else if (token.IsDelim(U'.')) {
      Reader.Take();
      if (!Reader.Peek().Is(ctIdent)) return false;
      compound.Classes.push_back(Reader.Take().Text);
    } else if (token.Is(ctOpenSquare)) {
      if (!ReadAttribute(Reader.TakeContents(), compound)) return false;
    } else if (token.Is(ctColon)) {
      if (!ReadPseudo(compound)) return false;
    } else {
      break;
    }
  }
  if (simple > MaxSimpleSelectors) Unsupported = true;
  return any;
}

bool TSelectorReader::ReadPseudo(TCompoundSelector& compound) {
  Reader.Take();  // ":"
  if (Reader.Peek().Is(ctColon)) {
    Reader.Take();
    const TCssToken& name = Reader.Peek();
    if (!name.Is(ctIdent) && !name.Is(ctFunction)) return false;
    const std::u32string lower = LowerAscii(name.Text);
    Reader.TakeComponent();
    Unsupported = true;
    return Listed(PseudoElements, std::u32string_view(lower));
  }
  const TCssToken& name = Reader.Peek();
  const std::u32string lower = LowerAscii(name.Text);
  if (name.Is(ctFunction)) {
    Reader.TakeComponent();
    Unsupported = true;
    return Listed(FunctionalPseudoClasses, std::u32string_view(lower));
  }
  if (!name.Is(ctIdent)) return false;
  Reader.Take();
  if (lower == U"link" || lower == U"any-link") {
    compound.Link = true;
  } else if (lower == U"first-child") {
    compound.FirstChild = true;
  } else if (lower == U"root") {
    compound.Root = true;
  } else {
    Unsupported = true;
    return Listed(OtherPseudoClasses, std::u32string_view(lower)) ||
           Listed(LegacyPseudoElements, std::u32string_view(lower));
  }
  return true;
}

bool TSelectorReader::ReadAttribute(std::span<const TCssToken> contents,
                                    TCompoundSelector& compound) {
  TCssTokenReader reader(contents);
  reader.SkipWhitespace();
  if (reader.Peek().IsDelim(U'*') || reader.Peek().IsDelim(U'|')) {
    Unsupported = true;  // a namespace; the rest is not read
    return true;
  }
  if (!reader.Peek().Is(ctIdent)) return false;
  TAttributeSelector attribute;
  attribute.Name = LowerName(reader.Take().Text);
  // "[ns|name]" names a namespace, "[name|=value]" is an operator.
  if (reader.Peek().IsDelim(U'|')) {
    TCssTokenReader ahead = reader;
    ahead.Take();
    if (!ahead.Peek().IsDelim(U'=')) {
      Unsupported = true;
      return true;
    }
  }
  reader.SkipWhitespace();
  if (!reader.AtEnd()) {
    const TCssToken& op = reader.Take();
    if (op.IsDelim(U'=')) {
      attribute.Match = amEquals;
    } else {
      if (!reader.Peek().IsDelim(U'=')) return false;
      reader.Take();
      if (op.IsDelim(U'~'))
        attribute.Match = amIncludes;
      else if (op.IsDelim(U'|'))
        attribute.Match = amDashMatch;
      else if (op.IsDelim(U'^'))
        attribute.Match = amPrefix;
      else if (op.IsDelim(U'$'))
        attribute.Match = amSuffix;
      else if (op.IsDelim(U'*'))
        attribute.Match = amSubstring;
      else
        return false;
    }
    reader.SkipWhitespace();
    const TCssToken& value = reader.Take();
    if (!value.Is(ctIdent) && !value.Is(ctString)) return false;
    attribute.Value = value.Text;
    reader.SkipWhitespace();
    attribute.IgnoreCase = Listed(CaseInsensitiveAttributes, std::string_view(attribute.Name));
    if (reader.Peek().IsIdent(U"i") || reader.Peek().IsIdent(U"s")) {
      attribute.IgnoreCase = reader.Take().IsIdent(U"i");
      reader.SkipWhitespace();
    }
    if (!reader.AtEnd()) return false;
  }
  compound.Attributes.push_back(std::move(attribute));
  return true;
}

bool SameText(std::u32string_view a, std::u32string_view b, bool ignoreCase) {
  return ignoreCase ? EqualsIgnoringCase(a, b) : a == b;
}

bool MatchesAttribute(const TAttributeSelector& test, std::u32string_view value) {
  const std::u32string_view wanted = test.Value;
  const bool ignoreCase = test.IgnoreCase;
  switch (test.Match) {
    case amExists:
      return true;
    case amEquals:
      return SameText(value, wanted, ignoreCase);
    case amIncludes:
      return !wanted.empty() && std::none_of(wanted.begin(), wanted.end(), IsHtmlSpace) &&
             AnyWord(value,
                     [&](std::u32string_view word) { return SameText(word, wanted, ignoreCase); });
    case amDashMatch:
      return SameText(value, wanted, ignoreCase) ||
             (value.size() > wanted.size() && value[wanted.size()] == U'-' &&
              SameText(value.substr(0, wanted.size()), wanted, ignoreCase));
    case amPrefix:
      return !wanted.empty() && value.size() >= wanted.size() &&
             SameText(value.substr(0, wanted.size()), wanted, ignoreCase);
    case amSuffix:
      return !wanted.empty() && value.size() >= wanted.size() &&
             SameText(value.substr(value.size() - wanted.size()), wanted, ignoreCase);
    case amSubstring:
      if (wanted.empty() || value.size() < wanted.size()) return false;
      for (std::size_t i = 0; i + wanted.size() <= value.size(); ++i)
        if (SameText(value.substr(i, wanted.size()), wanted, ignoreCase)) return true;
      return false;
  }
  return false;
}

// How a selector failed, so that matching need not try ancestors that cannot help: once
// the part left of a descendant combinator has no ancestor left to match, no higher
// candidate can do better.
enum TMatchResult { mrMatched, mrNotHere, mrRetryHigher, mrNowhere };

TMatchResult MatchFrom(const TSelector& selector, std::size_t index, const TStyleElement& element,
                       std::size_t& steps) {
  const TCompoundSelector& compound = selector.Compounds[index];
  ++steps;
  if (!MatchesCompound(compound, element)) return mrNotHere;
  if (index + 1 == selector.Compounds.size()) return mrMatched;
  for (const TStyleElement* ancestor = element.Parent(); ancestor; ancestor = ancestor->Parent()) {
    const TMatchResult result = MatchFrom(selector, index + 1, *ancestor, steps);
    if (result == mrMatched || result == mrNowhere) return result;
    if (compound.Combinator == cbChild) return mrRetryHigher;
  }
  return mrNowhere;
}

}  // namespace

TSelectorStatus ParseSelector(std::span<const TCssToken> tokens, TSelector& selector) {
  tokens = TrimWhitespace(tokens);
  if (tokens.empty()) return ssInvalid;
  if (tokens.size() > MaxSelectorTokens) return ssUnsupported;
  return TSelectorReader(tokens).Read(selector);
}

bool HasClass(std::u32string_view classNames, std::u32string_view name) {
  return AnyWord(classNames, [&](std::u32string_view word) { return word == name; });
}

void SplitClasses(std::u32string_view classNames, std::vector<std::u32string_view>& names) {
  names.clear();
  AnyWord(classNames, [&](std::u32string_view word) {
    names.push_back(word);
    return false;
  });
  if (names.size() > 1) {
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
  }
}

bool MatchesCompound(const TCompoundSelector& compound, const TStyleElement& element) {
  if (!compound.Type.empty()) {
    const std::string_view tag = element.TagName();
    if (!SameTag(tag, compound.Type)) return false;
  }
  for (const std::u32string& id : compound.Ids)
    if (element.Id() != id) return false;
  if (!compound.Classes.empty()) {
    const std::u32string_view classNames = element.ClassName();
    for (const std::u32string& name : compound.Classes)
      if (!HasClass(classNames, name)) return false;
  }
  if (compound.Link && !element.IsLink()) return false;
  if (compound.FirstChild && !element.IsFirstChild()) return false;
  if (compound.Root && element.Parent()) return false;
  for (const TAttributeSelector& test : compound.Attributes) {
    const auto value = element.Attribute(test.Name);
    if (!value || !MatchesAttribute(test, *value)) return false;
  }
  return true;
}

bool MatchesSelector(const TSelector& selector, const TStyleElement& element, std::size_t* steps) {
  std::size_t counted = 0;
  const bool matches =
      !selector.Compounds.empty() && MatchFrom(selector, 0, element, counted) == mrMatched;
  if (steps) *steps += counted;
  return matches;
}
