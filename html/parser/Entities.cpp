#include "html/parser/Entities.h"

#include <algorithm>

#include "html/parser/Windows1252.h"

namespace {

struct TEntity {
  std::string_view Name;
  char32_t First;
  char32_t Second;
};

constexpr TEntity EntityTable[] = {
#include "html/parser/EntityTable.inc"
};

constexpr bool NamesSortedAndBounded() {
  for (std::size_t i = 0; i < std::size(EntityTable); ++i) {
    if (EntityTable[i].Name.size() > LongestEntityName) return false;
    if (i > 0 && !(EntityTable[i - 1].Name < EntityTable[i].Name)) return false;
  }
  return true;
}
// Lookups search the table by halves.
static_assert(NamesSortedAndBounded());

const TEntity* FindEntity(std::string_view name) {
  const auto* found = std::lower_bound(
      std::begin(EntityTable), std::end(EntityTable), name,
      [](const TEntity& entity, std::string_view key) { return entity.Name < key; });
  if (found == std::end(EntityTable) || found->Name != name) return nullptr;
  return found;
}

}  // namespace

std::optional<TEntityMatch> MatchEntity(std::string_view text) {
  for (std::size_t length = std::min(text.size(), LongestEntityName); length > 0; --length)
    if (const TEntity* entity = FindEntity(text.substr(0, length)))
      return TEntityMatch{length, entity->First, entity->Second};
  return std::nullopt;
}

std::optional<char32_t> NumericEntityChar(std::uint32_t code) {
  if (code == 9) return U' ';
  if (code == 10) return U'\n';
  if (code < 32) return std::nullopt;
  if (code >= 0x80 && code <= 0x9F) return Windows1252Char(static_cast<unsigned char>(code));
  if (code >= 0xD800 && code <= 0xDFFF) return std::nullopt;
  if (code > 0x10FFFF) return std::nullopt;
  return static_cast<char32_t>(code);
}
