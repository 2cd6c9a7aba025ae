#pragma once
// What an element's ancestors are called: hashes of their tags, ids and classes in a small
// Bloom filter. A selector whose left-hand parts ask for a name the filter lacks cannot
// match, so the matcher passes it over without walking up the ancestors; a name the filter
// seems to hold may still be missing, and the full test decides then.

#include <array>
#include <cstdint>
#include <string_view>

class TStyleElement;

// The hashes of a tag name (in any letter case), an id and a class name.
std::uint32_t TagHash(std::string_view tag);
std::uint32_t IdHash(std::u32string_view id);
std::uint32_t ClassHash(std::u32string_view name);

// The filter of an element is its parent's filter with the parent's own names added, so a
// caller that meets elements in order with their ancestors open (the document builder)
// keeps one per open element at the cost of one element's names each:
//   childFilter = parentFilter; childFilter.AddNamesOf(parent);
class TAncestorFilter {
 public:
  // Holds the names of the ancestors of element, and nothing else.
  void Fill(const TStyleElement& element);
  // Adds the tag, id and classes of element.
  void AddNamesOf(const TStyleElement& element);
  void Add(std::uint32_t hash) {
    for (const std::uint32_t bit : Bits(hash)) Words[bit / 64] |= std::uint64_t(1) << (bit % 64);
  }
  bool MayHold(std::uint32_t hash) const {
    for (const std::uint32_t bit : Bits(hash))
      if (!(Words[bit / 64] >> (bit % 64) & 1)) return false;
    return true;
  }

 private:
  // Two bits for each name, taken from different parts of its hash.
  static std::array<std::uint32_t, 2> Bits(std::uint32_t hash) {
    return {hash % Size, (hash >> 16) % Size};
  }
  static constexpr std::uint32_t Size = 512;
  std::array<std::uint64_t, Size / 64> Words{};
};
