#pragma once
// A section's text as UTF-16, the form the Unicode algorithms of the text library read, with
// the way back from each UTF-16 unit to the character it belongs to.

#include <string>
#include <string_view>
#include <vector>

class TUtf16Text {
 public:
  // Values that are no character (surrogates, beyond U+10FFFF) become U+FFFD; the object
  // markers (ImageMarker, ControlMarker) become U+FFFC, so the rules treat them as the
  // objects they stand for.
  explicit TUtf16Text(std::u32string_view text);

  const std::u16string& Units() const { return FUnits; }
  int Length() const { return int(FUnits.size()); }
  // The character the unit belongs to (0 .. the text's length; Length() gives the length).
  int CharOf(int unit) const { return FCharOf.empty() ? unit : FCharOf[std::size_t(unit)]; }
  // The first unit of a character (0 .. the text's length).
  int UnitOf(int ch) const { return FUnitOf.empty() ? ch : FUnitOf[std::size_t(ch)]; }

 private:
  std::u16string FUnits;
  // Only text with characters beyond the basic plane, which take two units, keeps these
  // maps; in other text a unit and a character have the same index.
  std::vector<int> FCharOf;  // one more than units: the end maps to the text's length
  std::vector<int> FUnitOf;  // one more than characters
};
