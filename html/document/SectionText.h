#pragma once
// A section's characters, each kept in as few bytes as the section's widest character needs.
// The text of a page is most of what a page keeps, and most of it is Western: every character
// of such text has a byte in code page 1252 (Latin-1 with the typographic marks: dashes,
// quotation marks, the ellipsis, the euro sign), so a section keeps one byte a character
// until a character without one comes, then two while all lie in the basic plane, and four
// beyond it. The form changes only by widening, once, when such a character is appended.
// A character is read in one step in every form, so layout and find index the text freely.
//
// The interface is the part of std::u32string that sections use; substrings come back as
// std::u32string, for the code that draws them or hands them on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "html/parser/Windows1252.h"

class TFontFace;

class TSectionText {
 public:
  // The forms, by the bytes a character takes.
  enum TForm : std::uint8_t { tfByte, tfBasicPlane, tfFull };

  TSectionText() = default;
  explicit TSectionText(std::u32string_view text) { append(text); }

  std::size_t size() const;
  bool empty() const { return size() == 0; }
  // Characters the text holds before its buffer grows.
  std::size_t capacity() const;
  void reserve(std::size_t count);
  void shrink_to_fit();

  char32_t operator[](std::size_t index) const {
    if (const std::string* bytes = std::get_if<std::string>(&Units))
      return Windows1252Char(static_cast<unsigned char>((*bytes)[index]));
    if (const std::u16string* basic = std::get_if<std::u16string>(&Units)) return (*basic)[index];
    return std::get<std::u32string>(Units)[index];
  }
  char32_t back() const { return (*this)[size() - 1]; }

  // Appends the characters, widening the form first when one of them needs it.
  void append(std::u32string_view text);

  // count characters from pos (as far as the text goes).
  std::u32string substr(std::size_t pos, std::size_t count = std::u32string::npos) const;
  // The whole text.
  std::u32string str() const { return substr(0); }
  bool operator==(std::u32string_view text) const;

  TForm Form() const { return TForm(Units.index()); }

  // The sum of the advances in face of count characters from pos: the width of that stretch
  // as TFontFace::TextWidth measures it, read without copying the text.
  int Width(TFontFace& face, std::size_t pos, std::size_t count) const;

 private:
  // One alternative per TForm, in its order: code page 1252 bytes, the basic plane, any.
  std::variant<std::string, std::u16string, std::u32string> Units;

  void Widen(TForm form);
  // Calls visit with the units of the form the text has. Written out rather than std::visit,
  // so that it inlines into the loops that call size() and indexing.
  template <typename Visitor>
  decltype(auto) Visit(Visitor&& visit) const {
    if (const auto* bytes = std::get_if<tfByte>(&Units)) return visit(*bytes);
    if (const auto* basic = std::get_if<tfBasicPlane>(&Units)) return visit(*basic);
    return visit(*std::get_if<tfFull>(&Units));
  }
  template <typename Visitor>
  decltype(auto) Visit(Visitor&& visit) {
    if (auto* bytes = std::get_if<tfByte>(&Units)) return visit(*bytes);
    if (auto* basic = std::get_if<tfBasicPlane>(&Units)) return visit(*basic);
    return visit(*std::get_if<tfFull>(&Units));
  }
};

inline std::size_t TSectionText::size() const {
  return Visit([](const auto& units) { return units.size(); });
}

inline std::size_t TSectionText::capacity() const {
  return Visit([](const auto& units) { return units.capacity(); });
}

inline void TSectionText::reserve(std::size_t count) {
  Visit([count](auto& units) { units.reserve(count); });
}

inline void TSectionText::shrink_to_fit() {
  Visit([](auto& units) { units.shrink_to_fit(); });
}
