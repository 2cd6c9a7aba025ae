#include "html/builder/AnchorList.h"

#include "html/document/SectionBase.h"

std::u32string AnchorNameKey(std::u32string_view name) {
  std::u32string key(name);
  for (char32_t& c : key) {
    // Latin-1 lower-case letters sit 32 above their capitals, as in ASCII; the two that have
    // no capital there (sharp s and y diaeresis) and the division sign stay as they are.
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c -= 32;
  }
  return key;
}

void TAnchorList::Add(std::u32string_view name, TSectionBase* section) {
  Names.emplace(AnchorNameKey(name), section);
}

TSectionBase* TAnchorList::Find(std::u32string_view name) const {
  auto found = Names.find(AnchorNameKey(name));
  return found == Names.end() ? nullptr : found->second;
}

void TAnchorList::Replace(const TSectionBase* oldSection, TSectionBase* newSection) {
  for (auto& [name, section] : Names)
    if (section == oldSection) section = newSection;
}

void TAnchorList::RemoveWithin(const TSectionBase& section) {
  std::erase_if(Names, [&](const auto& entry) { return entry.second && section.Encloses(*entry.second); });
}
