#include "html/viewer/LinkPath.h"

#include <filesystem>
#include <initializer_list>

#include "html/parser/SourceText.h"
#include "html/support/Hex.h"
#include "html/support/LetterCase.h"
#include "html/support/Utf8.h"

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// "http:", "mailto:", ...: a letter, then at least one more letter, digit, "+", "." or "-",
// then ":". One letter before the colon is not taken for a scheme.
bool HasScheme(std::string_view name) {
  const std::size_t colon = name.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const auto letter = [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
  if (!letter(name[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char ch = name[i];
    if (!letter(ch) && !(ch >= '0' && ch <= '9') && ch != '+' && ch != '.' && ch != '-')
      return false;
  }
  return true;
}

std::string PercentDecoded(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (text[i] != '%') {
      result += text[i];
      continue;
    }
    if (i == 0 || i + 2 >= text.size()) break;
    const int high = HexDigitValue(static_cast<unsigned char>(text[i + 1]));
    const int low = HexDigitValue(static_cast<unsigned char>(text[i + 2]));
    if (high < 0 || low < 0) break;
    result += char(high * 16 + low);
    i += 2;
  }
  if (i < text.size()) result.append(text.substr(i));
  return result;
}

}  // namespace

std::string UrlToPath(std::string_view url) {
  // Separators first: a backslash that was escaped is part of a name.
  std::string path(url);
  for (char& ch : path)
    if (ch == '\\') ch = '/';
  path = PercentDecoded(path);
  if (StartsWithNoCase(path, "file:///"))
    path.erase(0, 7);
  else if (StartsWithNoCase(path, "file://localhost/"))
    path.erase(0, 16);
  else if (StartsWithNoCase(path, "file://"))
    path.erase(0, 7);
  return path;
}

std::string ExpandRootedPath(std::string_view url, std::string_view serverRoot) {
  std::string path = UrlToPath(url);
  if (!path.empty() && path[0] == '/' && !serverRoot.empty()) path.insert(0, serverRoot);
  return path;
}

std::string FullPath(std::string_view name) {
  std::error_code error;
  std::filesystem::path path(name);
  if (path.is_relative()) {
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (!error) path = absolute;
  }
  return path.lexically_normal().string();
}

std::string ExpandLinkPath(std::u32string_view link, std::string_view serverRoot,
                           std::u32string_view docBase, std::string_view docFileName) {
  const std::string path = ExpandRootedPath(EncodeUtf8(TrimControls(link)), serverRoot);
  if (!path.empty() && path[0] == '/') return FullPath(path);
  if (HasScheme(path) || EqualsIgnoringCase(docBase, U"dospath")) return path;
  std::string folder;
  if (!docBase.empty()) {
    folder = UrlToPath(EncodeUtf8(docBase));
  } else {
    const std::size_t slash = docFileName.rfind('/');
    if (slash != std::string_view::npos) folder = docFileName.substr(0, slash + 1);
  }
  const std::string joined = folder + path;
  // A BASE that is a web address makes a web address, which is no file to normalise.
  if (HasScheme(joined)) return joined;
  return FullPath(joined);
}

std::string UpperExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  const std::size_t slash = name.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return UpperAscii(name.substr(dot, 5));
}

TNameKind NameKindOf(std::string_view name) {
  const auto endsWith = [](std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
  };
  const bool compressed = endsWith(name, ".gz");
  if (compressed) name.remove_suffix(3);
  const auto any = [&](std::initializer_list<std::string_view> suffixes) {
    for (const std::string_view suffix : suffixes)
      if (endsWith(name, suffix)) return true;
    return false;
  };
  if (any({".htm", ".html", ".xhtml"})) return nkPage;
  if (any({".txt"})) return nkText;
  if (compressed) return nkOther;
  if (any({".bmp", ".gif", ".jpg", ".jpeg", ".png"})) return nkPicture;
  if (any({".svg"})) return nkDrawing;
  return nkOther;
}

std::string FolderName(std::string_view name) {
  std::string folder(name);
  if (folder.empty()) return folder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder != "/") folder += '/';
  return folder;
}

std::u32string DecodeName(std::string_view bytes) {
  TSourceText source(bytes, TSourceKind::PlainText);
  std::u32string text;
  for (char32_t ch = source.Next(); ch != EndOfInput; ch = source.Next()) text += ch;
  return text;
}
