#pragma once
// The anchor names of a document: each name, upper-cased, mapped to the section in which
// the anchor stands. The viewer owns the list and scrolls to a name by that section's Top.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

class TSectionBase;

class TAnchorList {
 public:
  // Enters the name (upper-cased) unless it is already there: the first anchor of a name
  // wins, as a jump should land on the first place a page names.
  void Add(std::u32string_view name, TSectionBase* section);

  // The section of the name, compared without regard to case, or null.
  TSectionBase* Find(std::u32string_view name) const;

  // Points every name that stands at oldSection at newSection instead, for when the builder
  // discards a section that anchors were entered for.
  void Replace(const TSectionBase* oldSection, TSectionBase* newSection);

  // Forgets every name that stands in section or inside it, for when layout frees it.
  void RemoveWithin(const TSectionBase& section);

  void Clear() { Names.clear(); }
  std::size_t Count() const { return Names.size(); }
  bool Empty() const { return Names.empty(); }

  // In sorted order of the upper-cased names.
  auto begin() const { return Names.begin(); }
  auto end() const { return Names.end(); }

 private:
  std::map<std::u32string, TSectionBase*, std::less<>> Names;
};
