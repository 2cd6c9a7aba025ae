#pragma once
// A small JSON value for the tools' output, printed so that a reviewer can read a diff of it:
// an object or array that holds only plain values, or that fits on one line, stays on one
// line; any other puts each member on a line of its own.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class TJson {
 public:
  using Array = std::vector<TJson>;
  using Object = std::vector<std::pair<std::string, TJson>>;

  TJson() : Value(nullptr) {}
  TJson(bool value) : Value(value) {}
  TJson(int value) : Value(std::int64_t{value}) {}
  TJson(std::int64_t value) : Value(value) {}
  TJson(std::size_t value) : Value(static_cast<std::int64_t>(value)) {}
  TJson(std::string value) : Value(std::move(value)) {}
  TJson(const char* value) : Value(std::string(value)) {}
  TJson(std::string_view value) : Value(std::string(value)) {}
  TJson(std::u32string_view value);
  TJson(const std::u32string& value) : TJson(std::u32string_view(value)) {}
  TJson(Array value) : Value(std::move(value)) {}
  TJson(Object value) : Value(std::move(value)) {}

  static TJson MakeArray() { return TJson(Array{}); }
  static TJson MakeObject() { return TJson(Object{}); }

  // Appends to an array or an object (in insertion order). On a temporary the value is moved
  // along the chain, never copied.
  TJson& Push(TJson item) &;
  TJson& Set(std::string key, TJson item) &;
  TJson&& Push(TJson item) && { return std::move(Push(std::move(item))); }
  TJson&& Set(std::string key, TJson item) && { return std::move(Set(std::move(key), std::move(item))); }

  std::string Print() const;

 private:
  void PrintTo(std::string& out, int indent) const;
  bool IsFlat() const;
  // Appends the value on one line; false, with the text cut short, as soon as it is longer
  // than limit (so a large value is never printed whole only to learn it does not fit).
  bool PrintCompact(std::string& out, std::size_t limit) const;

  std::variant<std::nullptr_t, bool, std::int64_t, std::string, Array, Object> Value;
};

// The text as a JSON string literal, quotes included: UTF-8, control characters escaped.
std::string JsonString(std::u32string_view text);
std::string JsonString(std::string_view utf8);

// A colour as the tools print it: "0x%08X".
std::string ColorString(std::uint32_t color);
