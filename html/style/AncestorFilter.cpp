#include "html/style/AncestorFilter.h"

#include "html/style/Selectors.h"
#include "html/style/StyleElement.h"
#include "html/support/LetterCase.h"

namespace {

// FNV-1a over the characters, started differently for each kind of name so that a class
// and a tag of the same spelling differ.
enum THashKind : std::uint32_t { hkTag = 1, hkId = 2, hkClass = 3 };

std::uint32_t Start(THashKind kind) { return 2166136261u ^ (kind * 0x9E3779B9u); }
std::uint32_t Step(std::uint32_t hash, std::uint32_t ch) { return (hash ^ ch) * 16777619u; }
// Mixed once more: the filter takes one bit from the low half and one from the high half.
std::uint32_t Finish(std::uint32_t hash) { return hash ^ ((hash >> 15) * 0x85EBCA6Bu); }

std::uint32_t Hash(THashKind kind, std::u32string_view text) {
  std::uint32_t hash = Start(kind);
  for (const char32_t ch : text) hash = Step(hash, ch);
  return Finish(hash);
}

}  // namespace

std::uint32_t TagHash(std::string_view tag) {
  std::uint32_t hash = Start(hkTag);
  for (const char ch : tag) hash = Step(hash, std::uint8_t(LowerAscii(ch)));
  return Finish(hash);
}
std::uint32_t IdHash(std::u32string_view id) { return Hash(hkId, id); }
std::uint32_t ClassHash(std::u32string_view name) { return Hash(hkClass, name); }

void TAncestorFilter::Fill(const TStyleElement& element) {
  Words.fill(0);
  for (const TStyleElement* ancestor = element.Parent(); ancestor; ancestor = ancestor->Parent())
    AddNamesOf(*ancestor);
}

void TAncestorFilter::AddNamesOf(const TStyleElement& element) {
  Add(TagHash(element.TagName()));
  if (const std::u32string_view id = element.Id(); !id.empty()) Add(IdHash(id));
  AnyWord(element.ClassName(), [&](std::u32string_view name) {
    Add(ClassHash(name));
    return false;
  });
}
