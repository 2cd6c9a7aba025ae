#pragma once
// The cascade: which declarations of a document's sheets and of an element's STYLE
// attribute win for the element.
//
// Rules are indexed by the rightmost compound of each selector: under its first id, else
// its first class, else its type, else in a universal list. An element looks up its id, each
// of its classes and its tag, and tests only the selectors found there and the universal
// ones; a document without rules pays one test for emptiness. A selector that needs
// ancestors of some name is passed over when the element's ancestors have none of that
// name (AncestorFilter.h), so descendant selectors cost no walk up the tree for most
// elements. The work the page's rules may cause is bounded (MaxMatchSteps, MaxMatchedRules
// in StyleLimits.h); the viewer's own rules are few and always matched.
//
// Order, the later winning: normal declarations of the viewer's sheet, of the page's sheets,
// of the STYLE attribute; then !important declarations of the page's sheets, of the STYLE
// attribute, of the viewer's sheet. Among rules of one origin the higher specificity wins,
// then the later rule (sheets count in the order they were added).

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "html/style/AncestorFilter.h"
#include "html/style/StyleLimits.h"
#include "html/style/StyleSheet.h"
#include "html/style/StyleValues.h"

class TStyleElement;

// A rule one of whose selectors matched, with the priority that selector gives it.
struct TMatchedRule {
  const TDeclaration* Declarations = nullptr;
  std::uint32_t DeclarationCount = 0;
  bool HasImportant = false;
  TStyleOrigin Origin = soAuthor;
  std::uint64_t Priority = 0;  // see StylePriority
};

// The order of normal declarations as one number: origin, then specificity, then the
// rule's place among all rules of the document.
constexpr std::uint64_t StylePriority(TStyleOrigin origin, std::uint32_t specificity,
                                      std::uint32_t order) {
  return std::uint64_t(origin) << 62 | std::uint64_t(specificity) << 32 | order;
}

// The winners among matched rules (lowest priority first) and the STYLE attribute's
// declarations (none when null).
void ApplyCascade(std::span<const TMatchedRule> rules, const TDeclarationList* inlineStyle,
                  TDeclaredStyle& declared);

class TStyleCascade {
 public:
  // matchSteps bounds the work against the page's rules (see MaxMatchSteps).
  explicit TStyleCascade(std::size_t matchSteps = MaxMatchSteps) : StepsLeft(matchSteps) {}

  // Adds the rules of sheet after those of the sheets added before. The sheet must stay,
  // unchanged, as long as the cascade. Selectors beyond MaxIndexedSelectors are left out.
  void AddSheet(const TStyleSheet& sheet);
  bool Empty() const { return Indexed == 0; }
  std::size_t MatchStepsLeft() const { return StepsLeft; }

  // The rules whose selectors match element, lowest priority first; a rule comes once for
  // each of its selectors that matches. At most MaxMatchedRules. ancestors, when given,
  // holds the names of element's ancestors (AncestorFilter.h); else they are gathered here.
  void MatchRules(const TStyleElement& element, std::vector<TMatchedRule>& rules,
                  const TAncestorFilter* ancestors = nullptr);
  // The declared style of element, whose STYLE attribute declared inlineStyle (or null).
  void Cascade(const TStyleElement& element, const TDeclarationList* inlineStyle,
               TDeclaredStyle& declared, const TAncestorFilter* ancestors = nullptr);

 private:
  struct TEntry {
    const TSelector* Selector;
    TMatchedRule Rule;
    // Names some ancestor must carry for the selector to match (AncestorFilter.h).
    std::array<std::uint32_t, 4> AncestorHashes{};
    std::uint8_t AncestorHashCount = 0;
  };
  using TBucket = std::vector<TEntry>;
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::u32string_view key) const {
      return std::hash<std::u32string_view>()(key);
    }
    std::size_t operator()(std::string_view key) const {
      return std::hash<std::string_view>()(key);
    }
  };
  template <typename Key>
  using TBuckets = std::unordered_map<Key, TBucket, THash, std::equal_to<>>;

  // The selectors of one origin by the rightmost compound's id, class or type.
  struct TIndex {
    TBuckets<std::u32string> ById;
    TBuckets<std::u32string> ByClass;
    TBuckets<std::string> ByType;
    TBucket Universal;
  };

  static void NoteAncestorNames(const TSelector& selector, TEntry& entry);
  // False when the element's ancestors lack a name the entry's selector needs.
  bool AncestorsMayMatch(const TEntry& entry, const TStyleElement& element);
  // The index's matches for element, whose tag is given in lower case; budgeted steps
  // count against StepsLeft.
  void MatchIndex(const TIndex& index, const TStyleElement& element, std::string_view tag,
                  bool budgeted, std::vector<TMatchedRule>& rules);
  void Test(const TBucket& bucket, const TStyleElement& element, bool budgeted,
            std::vector<TMatchedRule>& rules);

  std::array<TIndex, 2> Indexes;  // by TStyleOrigin
  std::size_t Indexed = 0;
  std::size_t StepsLeft;  // against the page's rules
  std::uint32_t NextOrder = 0;
  std::vector<TMatchedRule> Matched;         // reused from element to element
  std::vector<std::u32string_view> Classes;  // likewise
  // The element's ancestor filter: the caller's, or Gathered filled when first needed.
  const TAncestorFilter* Ancestors = nullptr;
  TAncestorFilter Gathered;
};
