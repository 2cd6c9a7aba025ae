#include "html/document/SectionText.h"

#include <algorithm>
#include <type_traits>

#include "platform/Font.h"

namespace {

constexpr char32_t FirstBeyondBasicPlane = 0x10000;

// The byte of ch in code page 1252, or -1 when it has none.
int ByteOf(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return int(ch);
  for (int byte = 0x80; byte <= 0x9F; ++byte)
    if (Windows1252Char(static_cast<unsigned char>(byte)) == ch) return byte;
  return -1;
}

TSectionText::TForm FormOf(char32_t ch) {
  if (ByteOf(ch) >= 0) return TSectionText::tfByte;
  return ch < FirstBeyondBasicPlane ? TSectionText::tfBasicPlane : TSectionText::tfFull;
}

// A character in the unit type of a form that holds it, and back.
template <typename Unit>
Unit Encode(char32_t ch) {
  if constexpr (std::is_same_v<Unit, char>)
    return static_cast<char>(static_cast<unsigned char>(ByteOf(ch)));
  else
    return Unit(ch);
}

template <typename Unit>
char32_t Decode(Unit unit) {
  if constexpr (std::is_same_v<Unit, char>)
    return Windows1252Char(static_cast<unsigned char>(unit));
  else
    return char32_t(unit);
}

template <typename Units>
using UnitOf = typename std::decay_t<Units>::value_type;

}  // namespace

void TSectionText::append(std::u32string_view text) {
  if (std::string* bytes = std::get_if<std::string>(&Units)) {
    const std::size_t at = bytes->size();
    bytes->resize(at + text.size());
    // Most text is ASCII; one look at all its bits together tells, and then it is copied
    // without a test per character.
    char32_t bits = 0;
    for (const char32_t ch : text) bits |= ch;
    if (bits < 0x80) {
      std::transform(text.begin(), text.end(), bytes->begin() + std::ptrdiff_t(at),
                     [](char32_t ch) { return static_cast<char>(ch); });
      return;
    }
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
      const int byte = ByteOf(text[i]);
      if (byte < 0) break;
      (*bytes)[at + i] = static_cast<char>(static_cast<unsigned char>(byte));
    }
    if (i == text.size()) return;
    // A character without a byte: the text so far is widened, and the rest goes in wide.
    bytes->resize(at + i);
    text.remove_prefix(i);
  }
  TForm needed = Form();
  for (const char32_t ch : text) {
    if (needed == tfFull) break;
    needed = std::max(needed, FormOf(ch));
  }
  if (needed > Form()) Widen(needed);
  Visit([text](auto& units) {
    using Unit = UnitOf<decltype(units)>;
    const std::size_t at = units.size();
    units.resize(at + text.size());
    std::transform(text.begin(), text.end(), units.begin() + std::ptrdiff_t(at), Encode<Unit>);
  });
}

void TSectionText::Widen(TForm form) {
  const std::u32string chars = str();
  const std::size_t room = capacity();
  if (form == tfBasicPlane) {
    std::u16string basic;
    basic.reserve(room);
    basic.assign(chars.begin(), chars.end());
    Units = std::move(basic);
  } else {
    std::u32string full;
    full.reserve(room);
    full = chars;
    Units = std::move(full);
  }
}

std::u32string TSectionText::substr(std::size_t pos, std::size_t count) const {
  return Visit([pos, count](const auto& units) {
    using Unit = UnitOf<decltype(units)>;
    const std::size_t from = std::min(pos, units.size());
    const std::size_t to = from + std::min(count, units.size() - from);
    std::u32string chars(to - from, U'\0');
    std::transform(units.begin() + std::ptrdiff_t(from), units.begin() + std::ptrdiff_t(to),
                   chars.begin(), Decode<Unit>);
    return chars;
  });
}

bool TSectionText::operator==(std::u32string_view text) const {
  if (text.size() != size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((*this)[i] != text[i]) return false;
  return true;
}

int TSectionText::Width(TFontFace& face, std::size_t pos, std::size_t count) const {
  return Visit([&face, pos, count](const auto& units) {
    using Unit = UnitOf<decltype(units)>;
    const std::size_t from = std::min(pos, units.size());
    const std::size_t to = from + std::min(count, units.size() - from);
    if constexpr (std::is_same_v<Unit, char32_t>) {
      return face.TextWidth(std::u32string_view(units).substr(from, to - from));
    } else {
      int width = 0;
      for (std::size_t at = from; at < to; ++at) width += face.Advance(Decode<Unit>(units[at]));
      return width;
    }
  });
}
