#include "html/support/PercentEscapes.h"

std::string PercentEscaped(std::string_view bytes) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || ch == '-' || ch == '.' || ch == '_' ||
                       ch == '~' || ch == '/';
    if (plain) {
      escaped += ch;
    } else {
      escaped += '%';
      escaped += Digits[byte >> 4];
      escaped += Digits[byte & 15];
    }
  }
  return escaped;
}
