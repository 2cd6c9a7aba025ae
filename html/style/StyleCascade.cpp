#include "html/style/StyleCascade.h"

#include <algorithm>

#include "html/style/Selectors.h"
#include "html/style/StyleElement.h"
#include "html/support/LetterCase.h"

namespace {

void Apply(const TMatchedRule& rule, bool important, TDeclaredStyle& declared) {
  for (std::uint32_t i = 0; i < rule.DeclarationCount; ++i) {
    const TDeclaration& declaration = rule.Declarations[i];
    if (declaration.Important == important) declared.Winners[declaration.Property] = &declaration;
  }
}

void ApplyInline(const TDeclarationList* inlineStyle, bool important, TDeclaredStyle& declared) {
  if (!inlineStyle) return;
  for (const TDeclaration& declaration : inlineStyle->Items)
    if (declaration.Important == important) declared.Winners[declaration.Property] = &declaration;
}

}  // namespace

void ApplyCascade(std::span<const TMatchedRule> rules, const TDeclarationList* inlineStyle,
                  TDeclaredStyle& declared) {
  declared = TDeclaredStyle{};
  for (const TMatchedRule& rule : rules) Apply(rule, false, declared);
  ApplyInline(inlineStyle, false, declared);
  for (const TMatchedRule& rule : rules)
    if (rule.HasImportant && rule.Origin == soAuthor) Apply(rule, true, declared);
  ApplyInline(inlineStyle, true, declared);
  for (const TMatchedRule& rule : rules)
    if (rule.HasImportant && rule.Origin == soUserAgent) Apply(rule, true, declared);
}

void TStyleCascade::AddSheet(const TStyleSheet& sheet) {
  for (const TSelector& selector : sheet.Selectors) {
    if (Indexed >= MaxIndexedSelectors) break;
    const TStyleRule& rule = sheet.Rules[selector.Rule];
    TEntry entry{&selector,
                 {&sheet.Declarations.Items[rule.FirstDeclaration], rule.DeclarationCount,
                  rule.HasImportant, sheet.Origin,
                  StylePriority(sheet.Origin, selector.Specificity, NextOrder + selector.Rule)}};
    NoteAncestorNames(selector, entry);
    TIndex& index = Indexes[sheet.Origin];
    const TCompoundSelector& subject = selector.Compounds.front();
    if (!subject.Ids.empty())
      index.ById[subject.Ids.front()].push_back(entry);
    else if (!subject.Classes.empty())
      index.ByClass[subject.Classes.front()].push_back(entry);
    else if (!subject.Type.empty())
      index.ByType[subject.Type].push_back(entry);
    else
      index.Universal.push_back(entry);
    ++Indexed;
  }
  NextOrder += std::uint32_t(sheet.Rules.size());
}

void TStyleCascade::NoteAncestorNames(const TSelector& selector, TEntry& entry) {
  // Ids and classes first: they tell more than tags.
  auto note = [&](std::uint32_t hash) {
    if (entry.AncestorHashCount < entry.AncestorHashes.size())
      entry.AncestorHashes[entry.AncestorHashCount++] = hash;
  };
  const auto ancestors = std::span(selector.Compounds).subspan(1);
  for (const TCompoundSelector& compound : ancestors) {
    for (const std::u32string& id : compound.Ids) note(IdHash(id));
    for (const std::u32string& name : compound.Classes) note(ClassHash(name));
  }
  for (const TCompoundSelector& compound : ancestors)
    if (!compound.Type.empty()) note(TagHash(compound.Type));
}

bool TStyleCascade::AncestorsMayMatch(const TEntry& entry, const TStyleElement& element) {
  if (entry.AncestorHashCount == 0) return true;
  if (!Ancestors) {
    Gathered.Fill(element);
    Ancestors = &Gathered;
  }
  for (std::uint8_t i = 0; i < entry.AncestorHashCount; ++i)
    if (!Ancestors->MayHold(entry.AncestorHashes[i])) return false;
  return true;
}

void TStyleCascade::Test(const TBucket& bucket, const TStyleElement& element, bool budgeted,
                         std::vector<TMatchedRule>& rules) {
  for (const TEntry& entry : bucket) {
    if (rules.size() >= MaxMatchedRules || (budgeted && StepsLeft == 0)) return;
    std::size_t steps = 1;
    if (AncestorsMayMatch(entry, element) && MatchesSelector(*entry.Selector, element, &steps))
      rules.push_back(entry.Rule);
    if (budgeted) StepsLeft -= std::min(steps, StepsLeft);
  }
}

void TStyleCascade::MatchIndex(const TIndex& index, const TStyleElement& element,
                               std::string_view tag, bool budgeted,
                               std::vector<TMatchedRule>& rules) {
  if (const std::u32string_view id = element.Id(); !id.empty() && !index.ById.empty())
    if (auto found = index.ById.find(id); found != index.ById.end())
      Test(found->second, element, budgeted, rules);
  if (!index.ByClass.empty())
    for (const std::u32string_view name : Classes)
      if (auto found = index.ByClass.find(name); found != index.ByClass.end())
        Test(found->second, element, budgeted, rules);
  if (auto found = index.ByType.find(tag); found != index.ByType.end())
    Test(found->second, element, budgeted, rules);
  Test(index.Universal, element, budgeted, rules);
}

void TStyleCascade::MatchRules(const TStyleElement& element, std::vector<TMatchedRule>& rules,
                               const TAncestorFilter* ancestors) {
  rules.clear();
  if (Indexed == 0) return;
  Ancestors = ancestors;
  SplitClasses(element.ClassName(), Classes);
  const std::string tag = LowerAscii(element.TagName());
  MatchIndex(Indexes[soUserAgent], element, tag, false, rules);
  if (StepsLeft > 0) MatchIndex(Indexes[soAuthor], element, tag, true, rules);
  std::sort(rules.begin(), rules.end(),
            [](const TMatchedRule& a, const TMatchedRule& b) { return a.Priority < b.Priority; });
}

void TStyleCascade::Cascade(const TStyleElement& element, const TDeclarationList* inlineStyle,
                            TDeclaredStyle& declared, const TAncestorFilter* ancestors) {
  MatchRules(element, Matched, ancestors);
  ApplyCascade(Matched, inlineStyle, declared);
}
