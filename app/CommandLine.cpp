#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = char(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string DecodePercents(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

TCommandLineTarget ParseCommandLineTarget(const std::string& argument) {
  TCommandLineTarget target;
  std::string path = argument;
  if (auto hash = path.find('#'); hash != std::string::npos) {
    target.Anchor = path.substr(hash);
    path.erase(hash);
  }
  for (const char* prefix : {"file://localhost/", "file:///"}) {
    if (StartsWithNoCase(path, prefix)) {
      std::string decoded(1, '/');
      decoded += DecodePercents(path.substr(std::string(prefix).size()));
      path = decoded;
      break;
    }
  }
  target.AsText = path.size() >= 4 && StartsWithNoCase(path.substr(path.size() - 4), ".txt");
  target.Path = path;
  return target;
}
