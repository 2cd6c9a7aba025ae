#include "html/builder/AnchorList.h"

#include "html/document/SectionBase.h"
#include "html/support/LetterCase.h"

void TAnchorList::Add(std::u32string_view name, TSectionBase* section) {
  Names.emplace(UpperLatin1(name), section);
}

TSectionBase* TAnchorList::Find(std::u32string_view name) const {
  auto found = Names.find(UpperLatin1(name));
  return found == Names.end() ? nullptr : found->second;
}

void TAnchorList::Replace(const TSectionBase* oldSection, TSectionBase* newSection) {
  for (auto& [name, section] : Names)
    if (section == oldSection) section = newSection;
}

void TAnchorList::RemoveWithin(const TSectionBase& section) {
  std::erase_if(Names, [&](const auto& entry) { return entry.second && section.Encloses(*entry.second); });
}
