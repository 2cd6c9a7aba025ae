#include "tools/Json.h"

#include "html/support/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", c);
          out += escape;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

std::string JsonString(std::u32string_view text) { return JsonString(EncodeUtf8(text)); }

std::string ColorString(std::uint32_t color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", color);
  return text;
}

TJson::TJson(std::u32string_view value) : Value(EncodeUtf8(value)) {}

TJson& TJson::Push(TJson item) & {
  std::get<Array>(Value).push_back(std::move(item));
  return *this;
}

TJson& TJson::Set(std::string key, TJson item) & {
  std::get<Object>(Value).emplace_back(std::move(key), std::move(item));
  return *this;
}

namespace {

constexpr std::size_t LineWidth = 100;
// Values nested deeper than this are indented no further.
constexpr int MaxIndent = 40;

}  // namespace

bool TJson::PrintCompact(std::string& out, std::size_t limit) const {
  const std::size_t start = out.size();
  auto fits = [&] { return out.size() - start <= limit; };
  std::visit(
      [&](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::nullptr_t>) {
          out += "null";
        } else if constexpr (std::is_same_v<T, bool>) {
          out += value ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          out += std::to_string(value);
        } else if constexpr (std::is_same_v<T, std::string>) {
          out += JsonString(std::string_view(value));
        } else if constexpr (std::is_same_v<T, Array>) {
          out += '[';
          for (std::size_t i = 0; i < value.size() && fits(); ++i) {
            if (i) out += ',';
            value[i].PrintCompact(out, limit - std::min(limit, out.size() - start));
          }
          out += ']';
        } else {
          out += '{';
          for (std::size_t i = 0; i < value.size() && fits(); ++i) {
            if (i) out += ',';
            out += JsonString(std::string_view(value[i].first));
            out += ':';
            value[i].second.PrintCompact(out, limit - std::min(limit, out.size() - start));
          }
          out += '}';
        }
      },
      Value);
  return fits();
}

bool TJson::IsFlat() const {
  auto nested = [](const TJson& item) {
    return std::holds_alternative<Array>(item.Value) || std::holds_alternative<Object>(item.Value);
  };
  if (const auto* array = std::get_if<Array>(&Value)) {
    for (const TJson& item : *array)
      if (nested(item)) return false;
  } else if (const auto* object = std::get_if<Object>(&Value)) {
    for (const auto& member : *object)
      if (nested(member.second)) return false;
  }
  return true;
}

void TJson::PrintTo(std::string& out, int indent) const {
  if (IsFlat()) {
    PrintCompact(out, std::string::npos);
    return;
  }
  std::string compact;
  const std::size_t room = LineWidth - std::min(LineWidth, static_cast<std::size_t>(indent));
  if (PrintCompact(compact, room)) {
    out += compact;
    return;
  }
  // Deep values stop moving right: indenting every level would make the text of a deeply
  // nested page grow with the square of its depth (gigabytes for 100 nested tables).
  const int innerIndent = std::min(indent + 2, MaxIndent);
  const std::string inner(static_cast<std::size_t>(innerIndent), ' ');
  if (const auto* array = std::get_if<Array>(&Value)) {
    out += "[\n";
    for (std::size_t i = 0; i < array->size(); ++i) {
      out += inner;
      (*array)[i].PrintTo(out, innerIndent);
      out += i + 1 < array->size() ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(indent), ' ') + "]";
  } else {
    const auto& object = std::get<Object>(Value);
    out += "{\n";
    for (std::size_t i = 0; i < object.size(); ++i) {
      out += inner + JsonString(std::string_view(object[i].first)) + ": ";
      object[i].second.PrintTo(out, innerIndent);
      out += i + 1 < object.size() ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(indent), ' ') + "}";
  }
}

std::string TJson::Print() const {
  std::string out;
  PrintTo(out, 0);
  return out;
}
