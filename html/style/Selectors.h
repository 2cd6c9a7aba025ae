#pragma once
// Selectors: reading one selector of a group, its specificity, and matching it against an
// element.
//
// Supported: type selectors and "*", ".class" (any number), "#id", attribute selectors with
// every operator ([a], [a=v], [a~=v], [a|=v], [a^=v], [a$=v], [a*=v], values as identifiers
// or strings, the " i" and " s" flags), the descendant and child combinators, ":link" and
// ":any-link" (an anchor with HREF), ":first-child" and ":root". Type selectors and
// attribute names ignore letter case; classes and ids do not; attribute values ignore it
// for the attributes HTML compares without case (type, lang, align ...).
//
// A selector that is valid but asks for what a page being built cannot answer (other
// pseudo-classes such as :hover or :last-child, pseudo-elements, the "+" and "~"
// combinators, namespaces) is unsupported: it is dropped from its group, and the rest of the
// group stays. A selector that is not valid at all (an unknown pseudo-class, a stray token,
// an empty part) is invalid and drops its whole rule, as the standard rules demand.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/style/CssTokenizer.h"

class TStyleElement;

enum TCombinator : std::uint8_t { cbDescendant, cbChild };
enum TAttributeMatch : std::uint8_t {
  amExists,
  amEquals,
  amIncludes,
  amDashMatch,
  amPrefix,
  amSuffix,
  amSubstring
};

struct TAttributeSelector {
  std::string Name;  // lower case, UTF-8
  TAttributeMatch Match = amExists;
  std::u32string Value;
  bool IgnoreCase = false;
};

// Simple selectors that all hold for one element.
struct TCompoundSelector {
  std::string Type;  // lower case, UTF-8; empty for any element
  std::vector<std::u32string> Ids;
  std::vector<std::u32string> Classes;
  std::vector<TAttributeSelector> Attributes;
  bool Link = false;
  bool FirstChild = false;
  bool Root = false;
  // How this compound stands to the next one in Compounds (the one written left of it).
  TCombinator Combinator = cbDescendant;
};

struct TSelector {
  // Right to left: the element the selector matches first, then the ancestors' parts.
  std::vector<TCompoundSelector> Compounds;
  std::uint32_t Specificity = 0;  // see PackSpecificity
  std::uint32_t Rule = 0;         // the rule's index in its sheet
};

// Specificity (ids, classes, types) as one number that orders as the triple does; each
// count stops at 1023.
constexpr std::uint32_t PackSpecificity(std::uint32_t ids, std::uint32_t classes,
                                        std::uint32_t types) {
  auto capped = [](std::uint32_t n) { return n > 1023 ? 1023u : n; };
  return capped(ids) << 20 | capped(classes) << 10 | capped(types);
}

enum TSelectorStatus : std::uint8_t { ssValid, ssUnsupported, ssInvalid };

// Reads the tokens of one selector of a group (without the commas). selector is complete
// only when the result is ssValid; its Rule is left as it was.
TSelectorStatus ParseSelector(std::span<const TCssToken> tokens, TSelector& selector);

bool MatchesCompound(const TCompoundSelector& compound, const TStyleElement& element);
// steps, when given, counts the compounds tested.
bool MatchesSelector(const TSelector& selector, const TStyleElement& element,
                     std::size_t* steps = nullptr);

// The white space that separates the words of an attribute's value.
constexpr bool IsHtmlSpace(char32_t ch) {
  return ch == U' ' || ch == U'\t' || ch == U'\n' || ch == U'\r' || ch == U'\f';
}

// Calls visit with each word of a list separated by white space (a CLASS attribute's class
// names) until it answers true; whether one did.
template <typename TVisit>
bool AnyWord(std::u32string_view words, TVisit visit) {
  for (std::size_t i = 0; i < words.size();) {
    while (i < words.size() && IsHtmlSpace(words[i])) ++i;
    std::size_t end = i;
    while (end < words.size() && !IsHtmlSpace(words[end])) ++end;
    if (end > i && visit(words.substr(i, end - i))) return true;
    i = end;
  }
  return false;
}

// Whether a CLASS attribute's value lists the class name.
bool HasClass(std::u32string_view classNames, std::u32string_view name);
// The class names a CLASS attribute's value lists, each once, into names.
void SplitClasses(std::u32string_view classNames, std::vector<std::u32string_view>& names);
